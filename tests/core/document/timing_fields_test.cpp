// The document's timing fields: the main frame-rate box, what a commit of it rescales, "Mark the line number",
// and the fields after closing one subtitle and opening another.
#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "document/caret.h"
#include "support/document_fixture.h"

namespace tessary::testing {
namespace {

constexpr const char* Enter = "\n";     // commits the box
constexpr const char* Escape = "\x1b";  // cancels it

// A separator may still be followed by digits; not a number reads as 25; a rate out of 1..60 changes nothing;
// Enter commits and Escape cancels; an emptied box shows the rate in force again.
TEST(FrameRateBox, TypingTakesRatesFrom1To60AndCommitOrCancelSettleTheRateInForce) {
  using Keys = std::vector<std::string>;
  for (auto [typed, rate, committed, text] : {
           std::tuple<Keys, double, double, std::string>{{"23,976"}, 23.976, 25, "23.976"},
           {{"30", "23,"}, 30, 25, "23,"},
           {{"30", "23.976."}, 25, 25, "25"},
           {{"30", "0"}, 30, 25, "30"},
           {{"30", "60.5"}, 30, 25, "30"},
           {{"30", "60"}, 60, 25, "60"},
           {{"30", "1"}, 1, 25, "1"},
           {{"30", Enter}, 30, 30, "30"},
           {{"23,", Enter}, 23, 23, "23"},
           {{"30", "23,", Escape}, 25, 25, "25"},
           {{"23,", "", Enter}, 25, 25, "25"},
       }) {
    DocumentFixture f;
    for (const std::string& key : typed)
      key == Enter    ? f.doc.FrameRateCommit()
      : key == Escape ? f.doc.FrameRateCancel()
                      : f.doc.FrameRateTextChanged(key);
    EXPECT_EQ(std::tuple(f.doc.FrameRate(), f.doc.CommittedFrameRate(), f.doc.fields().FrameRateText),
              std::tuple(rate, committed, text))
        << ::testing::PrintToString(typed);
  }
}

// A commit keeps the frame numbers a MicroDVD text shows, also for a time between two frames that "Do it" left,
// and shows the points on the first and last start.
TEST(FrameRateBox, CommitKeepsTheShownFramesAndRefreshesThePoints) {
  struct Case {
    std::string file;
    bool changeFirst;                 // "Do it" to 25 before
    std::vector<std::int32_t> times;  // first start and end, last start after committing 20 fps
    const char *firstField, *secondField;
  };
  for (const Case& c : {
           Case{Lines({"{100}{150}One", "{200}{250}Two", "{300}{350}Three"}), false, {5000, 7500, 15000}, "100", "300"},
           Case{SubRipFile({{1000, 2000, "A"}, {3000, 4000, "B"}}), false, {1000, 2000, 3000}, "20", "60"},
           Case{Lines({"{0}{10}a", "{20}{30}b"}), true, {0, 400, 833}, "0", "25"},
       }) {
    DocumentFixture f;
    f.doc.SetFrameRate(c.changeFirst ? 20 : 25);
    f.Open(c.file, c.file[0] == '{' ? "a.sub" : "a.srt");
    if (c.changeFirst) f.doc.Run(FrameRateChangeParams{25});
    f.doc.SelectFramesUnit();
    f.doc.timing().firstPoint.Set(7, f.doc.TimingContext());
    const std::string before = f.Text();
    f.doc.FrameRateTextChanged(c.changeFirst ? "30" : "20");
    f.doc.FrameRateCommit();
    const auto& s = f.doc.store();
    SCOPED_TRACE(c.file);
    EXPECT_EQ((std::vector{s.StartValues[1], s.EndValues[1], s.StartValues[s.SubtitleCount]}), c.times);
    EXPECT_EQ(std::pair(f.doc.timing().firstPoint.Text(), f.doc.timing().secondPoint.Text()),
              (std::pair<std::string, std::string>(c.firstField, c.secondField)));
    f.doc.LinesInText();
    EXPECT_EQ(f.Text(), before);
  }
}

// A frame whose time at the new rate no time can hold keeps the rate in force, and the text and times with it.
TEST(FrameRateBox, ACommitThatWouldLoseAFramesTimeIsRefused) {
  DocumentFixture f;
  f.doc.SetFrameRate(60);
  f.Open("{0}{50}a\r\n{6000001}{6000100}b", "a.sub");
  const std::vector<std::int32_t> before = f.doc.store().EndValues;
  f.doc.FrameRateTextChanged("2");
  f.doc.FrameRateCommit();
  EXPECT_EQ(f.prompter.Texts(), std::vector<std::string>{"The frames are too high.\r\nPlease try different values..."});
  EXPECT_EQ(std::tuple(f.doc.FrameRate(), f.doc.CommittedFrameRate(), f.doc.store().EndValues),
            std::tuple(60.0, 60.0, before));
}

// The four SubRip subtitles take lines 1-4, 5-9, 10-13 and 14-16; the second has two text lines.
TEST(MarkLineNumber, TheCaretsLineBecomesTheSubtitleNumberOfThatPoint) {
  const std::string four =
      Lines({"1", "00:00:01,000 --> 00:00:02,000", "One", "", "2", "00:00:03,000 --> 00:00:04,000", "Two|lines", "",
             "3", "00:00:05,000 --> 00:00:06,000", "Three", "", "4", "00:00:07,000 --> 00:00:08,000", "Four"});
  const std::string three = Lines({"{10}{20}A", "{30}{40}B", "{50}{60}C"});
  // The point, the caret's line, the two line fields after; unverified edits mark nothing.
  for (auto [point, caretLine, first, second, unverified, file] : {std::tuple(2, 11, 1, 3, false, four),
                                                                   {1, 1, 1, 4, false, four},
                                                                   {1, 9, 2, 4, false, four},
                                                                   {1, 16, 4, 4, false, four},
                                                                   {1, 11, 1, 4, true, four},
                                                                   {1, 2, 2, 3, false, three}}) {
    DocumentFixture f;
    f.Open(file, file == four ? "film.srt" : "film.sub");
    if (unverified) f.doc.EditorTextChanged();
    f.editor.SetCaretPosition(StartOfLine(f.Text(), caretLine));
    f.doc.MarkLineNumber(point);
    const TimingFields& t = f.doc.timing();
    EXPECT_EQ(std::tuple(t.firstLine.Value(), t.secondLine.Value(), t.firstLine.Text(), t.secondLine.Text()),
              std::tuple(first, second, std::to_string(first), std::to_string(second)))
        << caretLine;
  }
}

// Closing a subtitle brings back factor 1 and amount 0; after opening one of the other type every field uses
// what it shows: retyping the shown texts changes no value.
TEST(TimingFields, AfterClosingAndOpeningEveryFieldUsesWhatItShows) {
  DocumentFixture f;
  TimingFields& t = f.doc.timing();
  f.Open(SubRipFile({{1000, 2000, "A"}, {3000, 4000, "A"}}), "s.srt");
  TypedField* const fields[] = {&t.factor,      &t.shift,     &t.targetRate, &t.firstPoint,
                                &t.secondPoint, &t.firstLine, &t.secondLine};
  auto values = [&t] {
    return std::tuple(t.factor.Value(), t.shift.Value(), t.targetRate.Target(), t.firstPoint.Value(),
                      t.secondPoint.Value(), t.firstLine.Value(), t.secondLine.Value());
  };
  auto type = [&](const std::vector<std::string>& texts) {
    for (std::size_t i = 0; i < std::size(fields); ++i) {
      fields[i]->Changed(texts.empty() ? std::string(fields[i]->Text()) : texts[i], f.doc.TimingContext());
      fields[i]->Exit(f.doc.TimingContext());
    }
  };
  type({"1.5", "2000", "30", "00:00:01,500", "00:00:05,000", "2", "1"});
  ASSERT_TRUE(f.doc.CloseFile());
  f.Open(Lines({"{1419}{1450}One", "{1500}{1550}Two"}), "m.sub");
  const auto shown = values();
  type({});
  EXPECT_EQ(values(), shown);
  EXPECT_EQ(std::tuple(t.factor.Text(), t.shift.Text(), std::get<0>(shown), std::get<1>(shown)),
            std::tuple("1", "0", 1.0, 0));
}

}  // namespace
}  // namespace tessary::testing
