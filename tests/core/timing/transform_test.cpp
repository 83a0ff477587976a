// The two-point transform: its three modes, its refusals, its report and its repair.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include "support/document_fixture.h"

namespace tessary::testing {
namespace {

const std::string SameStarts =
    "Two subtitles the transform is worked out from have the same start time.\r\nPlease choose other lines...";
const std::string Negative = "In these conditions the frames would become negative.\r\nPlease try different values...";
const std::string TooHigh = "The frames are too high.\r\nPlease try different values...";
const std::string TooManyErrors = "Too many errors - please try different values..";
const std::string NoChange = "No change";
std::string Made(int n) { return "I've made " + std::to_string(n) + " changes"; }

// 1-2 s, 4-5 s, 8-9 s and 12-13 s.
const std::vector<Subtitle> Four = {{1000, 2000, "A"}, {4000, 5000, "B"}, {8000, 9000, "C"}, {12000, 13000, "D"}};

struct Points {
  std::int32_t l1;
  std::int64_t p1;
  std::int32_t l2;
  std::int64_t p2;
};

// A document that has just opened `subtitles`, with nothing shown yet.
struct Opened : DocumentFixture {
  explicit Opened(const std::vector<Subtitle>& subtitles) {
    Open(SubRipFile(subtitles), "film.srt");
    prompter.shown.clear();
  }
  void Transform(TransformMode mode, Points p) {
    doc.EntireMode = mode;
    doc.FirstPointLine = p.l1;
    doc.FirstPointValue = p.p1;
    doc.SecondPointLine = p.l2;
    doc.SecondPointValue = p.p2;
    doc.TransformClick();
  }
};

TEST(Transform, EachModeMapsItsSubtitlesByHandWorkedLines) {
  struct Case {
    const char* name;
    TransformMode mode;
    std::optional<Points> points;  // none: the points as loading set them
    std::vector<Subtitle> after;
    std::string report;
  };
  for (const Case& c : {
           // k = 2, b = -2000; the end at 2 s stays where it is and is not counted.
           Case{"whole",
                TransformMode::Whole,
                Points{2, 6000, 3, 14000},
                {{0, 2000, "A"}, {6000, 8000, "B"}, {14000, 16000, "C"}, {22000, 24000, "D"}},
                Made(7)},
           // Only 2 and 3 move; 3 now overlaps 4, whose start the repair moves past 3's end and
           // whose end it puts 3 s later.
           Case{"between",
                TransformMode::Between,
                Points{2, 6000, 3, 14000},
                {{1000, 2000, "A"}, {6000, 8000, "B"}, {14000, 16000, "C"}, {16000, 19000, "D"}},
                Made(6)},
           // 1 and 4 keep their starts: 1's end goes by (1 s -> 1 s, 4 s -> 3 s), 2 and 3 by
           // k = 1.5, b = -3000, and 4's end by (8 s -> 9 s, 12 s -> 12 s).
           Case{"pinned ends",
                TransformMode::PinnedEnds,
                Points{2, 3000, 3, 9000},
                {{1000, 1667, "A"}, {3000, 4500, "B"}, {9000, 10500, "C"}, {12000, 12750, "D"}},
                Made(6)},
           // Loading puts the points on the first and last subtitle's own starts: the identity.
           Case{"whole right after loading", TransformMode::Whole, {}, Four, NoChange},
           Case{"between right after loading", TransformMode::Between, {}, Four, NoChange},
           Case{"pinned ends right after loading", TransformMode::PinnedEnds, {}, Four, NoChange},
       }) {
    SCOPED_TRACE(c.name);
    Opened f(Four);
    const std::string text = f.Text();
    if (c.points) {
      f.Transform(c.mode, *c.points);
    } else {
      f.doc.EntireMode = c.mode;
      f.doc.TransformClick();
    }
    EXPECT_EQ(SubtitlesOf(f.doc), c.after);
    EXPECT_EQ(f.prompter.Texts(), std::vector<std::string>{c.report});
    const bool changed = c.report != NoChange;
    EXPECT_EQ(std::pair(f.doc.store.ReportedChangeCount, f.doc.ChangesUnsaved()),
              std::pair(f.doc.store.ChangeCount, changed));
    EXPECT_EQ(f.doc.store.ChangeCount == 0, !changed);
    if (!changed) {
      EXPECT_EQ(f.Text(), text);
    }
    EXPECT_NE(f.Text().find(FormatTime(c.after[2].start, true) + " --> "), std::string::npos) << "rendered";
  }
}

TEST(Transform, MicroDVDPointsTypedInFramesMapFrame100To200And1000To1109) {
  // 25 frames per second, subtitle 1 at frame 100, subtitle 2 at frame 1000, subtitle 500 at 10100.
  std::vector<std::string> lines = {"{100}{150}Line 1", "{1000}{1010}Line 2"};
  for (int i = 3; i < 500; ++i) {
    const int start = 1100 + (i - 3) * 18;
    lines.push_back("{" + std::to_string(start) + "}{" + std::to_string(start + 10) + "}Line " + std::to_string(i));
  }
  lines.push_back("{10100}{10150}Line 500");
  DocumentFixture f;
  f.Open(Lines(lines), "film.sub");
  f.prompter.shown.clear();
  for (auto [field, text] : {std::pair{TimingField::FirstLine, "1"},
                             {TimingField::FirstPoint, "200"},
                             {TimingField::SecondLine, "500"},
                             {TimingField::SecondPoint, "10300"}}) {
    f.doc.FieldChanged(field, text);
    f.doc.FieldExit(field);
  }
  ASSERT_EQ(f.doc.FirstPointValue, 8000);
  f.doc.TransformClick();
  // Every frame number moves (f -> 1.01 f + 99), and nothing needs repair.
  EXPECT_EQ(f.prompter.Texts(), std::vector<std::string>{Made(1000)});
  const std::string text = f.Text();
  EXPECT_EQ(text.substr(0, text.find("\r\n")), "{200}{250}Line 1");  // 250.5 goes to the even frame
  EXPECT_NE(text.find("\r\n{1109}{"), std::string::npos);
  EXPECT_NE(text.find("\r\n{10300}{10350}Line 500"), std::string::npos);
}

TEST(Transform, PinnedEndsWithTheFirstAndLastSubtitleIsTheWholeModeWithoutItsRangeTests) {
  const Points points{1, 1500, 4, 14000};
  Opened whole(Four), pinned(Four);
  whole.Transform(TransformMode::Whole, points);
  pinned.Transform(TransformMode::PinnedEnds, points);
  EXPECT_EQ(SubtitlesOf(pinned.doc), SubtitlesOf(whole.doc));
  EXPECT_EQ(pinned.Text(), whole.Text());
  EXPECT_EQ(pinned.prompter.Texts(), whole.prompter.Texts());
}

TEST(Transform, RefusesWhatCannotBeWorkedOutOrLeavesTheTimeRangeAndChangesNothing) {
  struct Case {
    const char* name;
    TransformMode mode;
    Points points;
    std::string message;
    int equalStart = 0, equalTo = 0;  // gives subtitle `equalStart` the start of `equalTo`
    Subtitle last = {12000, 13000, "D"};
  };
  const std::string pointOrder =
      "The time/frame value for the first point should be smaller than the time/frame value for the second point!";
  const std::string lineOrder =
      "The line number for the first point should be smaller#\r\nthan the line number for the second point!";
  for (const Case& c : {
           Case{"equal points", TransformMode::Whole, {1, 5000, 2, 5000}, pointOrder},
           Case{"equal lines", TransformMode::Whole, {2, 1000, 2, 5000}, lineOrder},
           Case{"lines beyond the last clamp to equal", TransformMode::Whole, {7, 1000, 9, 5000}, lineOrder},
           Case{"whole: first start below 0", TransformMode::Whole, {2, 3000, 3, 9000}, Negative},
           Case{"whole: last end too high", TransformMode::Whole, {1, 0, 2, 2000000000}, TooHigh},
           Case{"between: L1 below 0", TransformMode::Between, {2, -1000, 3, 9000}, Negative},
           Case{"between: L2's end too high", TransformMode::Between, {2, 0, 3, 2147483000}, TooHigh},
           // A point after the last start turns the last stretch round: its end goes below 0.
           Case{"pinned: last end below 0", TransformMode::PinnedEnds, {1, 1000, 3, 100000}, Negative},
           Case{"pinned: a steep last stretch",
                TransformMode::PinnedEnds,
                {1, 0, 3, 1},
                TooHigh,
                0,
                0,
                {9000, 300000000, "D"}},
           Case{"whole: equal starts", TransformMode::Whole, {2, 1000, 3, 5000}, SameStarts, 3, 2},
           Case{"between: equal starts", TransformMode::Between, {2, 1000, 3, 5000}, SameStarts, 3, 2},
           Case{"pinned: L1 starts with 1", TransformMode::PinnedEnds, {2, 1000, 3, 9000}, SameStarts, 2, 1},
           Case{"pinned: L2 starts with N", TransformMode::PinnedEnds, {1, 1000, 3, 9000}, SameStarts, 3, 4},
       }) {
    SCOPED_TRACE(c.name);
    Opened f({Four[0], Four[1], Four[2], c.last});
    if (c.equalStart) f.doc.store.StartValues[c.equalStart] = f.doc.store.StartValues[c.equalTo];
    const std::vector<Subtitle> before = SubtitlesOf(f.doc);
    const std::string text = f.Text();
    f.Transform(c.mode, c.points);
    ASSERT_EQ(f.prompter.Texts(), std::vector<std::string>{c.message});
    EXPECT_EQ(f.prompter.shown[0].icon, Icon::Error);
    EXPECT_EQ(SubtitlesOf(f.doc), before);
    EXPECT_EQ(f.Text(), text);
    EXPECT_EQ(f.doc.store.ChangeCount, 0);
  }
}

TEST(Transform, AFailedRepairLeavesCountTimesAndTextsExactlyAsBefore) {
  // Subtitle 2 goes past 3, 4 and 5: the repair pushes 3 after it, merges 3 with the equal 4
  // that now touches it, and then finds 3 ending before it starts.
  const std::vector<Subtitle> five = {
      {1000, 2000, "A"}, {3000, 4000, "B"}, {5000, 6000, "C"}, {7000, 8000, "C"}, {9000, 10000, "D"}};
  Opened f(five);
  const std::string text = f.Text();
  f.Transform(TransformMode::Between, {1, 1000, 2, 20000});
  EXPECT_EQ(f.prompter.Texts(), std::vector<std::string>{TooManyErrors});
  EXPECT_EQ(f.prompter.shown[0].icon, Icon::Error);
  EXPECT_EQ(SubtitlesOf(f.doc), five);
  EXPECT_EQ(std::tuple(f.doc.store.ChangeCount, f.doc.store.ReportedChangeCount, f.doc.ChangesUnsaved()),
            std::tuple(0, 0, false));
  EXPECT_EQ(f.Text(), text);
}

TEST(Transform, LineNumbersAreClampedAgainAfterTheRepairMergedSubtitles) {
  // k = 0.5: the end of 2 (4 s) and the start of 3 (4.001 s) both go to 2 s, so the two
  // "B" subtitles become one and 4 subtitles are left 3.
  Opened f({{1000, 2000, "A"}, {3000, 4000, "B"}, {4001, 5000, "B"}, {8000, 9000, "C"}});
  f.Transform(TransformMode::Whole, {1, 500, 4, 4000});
  EXPECT_EQ(SubtitlesOf(f.doc), (std::vector<Subtitle>{{500, 1000, "A"}, {1500, 2500, "B"}, {4000, 4500, "C"}}));
  // The second press uses subtitle 3, the last one now, so the map is the identity.
  f.doc.TransformClick();
  EXPECT_EQ(f.prompter.Texts(), (std::vector<std::string>{Made(9), NoChange}));
  EXPECT_EQ(std::pair(f.doc.SecondPointLine, f.doc.fields.SecondLine), std::pair(3, std::string("3")));
}

}  // namespace
}  // namespace tessary::testing
