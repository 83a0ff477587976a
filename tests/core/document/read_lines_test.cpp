#include <gtest/gtest.h>

#include "document/line_patterns.h"
#include "store_setup.h"
#include "support/document_fixture.h"

namespace tessary::testing {
namespace {

struct LinesRead {
  const char* name;
  int detectionCode;
  std::vector<std::string> lines;
  std::vector<Subtitle> expected;
  bool braceCodes = false;
  bool angleTags = false;
  double frameRate = 25;
};

class Reading : public ::testing::TestWithParam<LinesRead> {};

TEST_P(Reading, ReadsTimesAndTextsAndLeavesTheLinesAlone) {
  const LinesRead& c = GetParam();
  DocumentFixture f;
  f.doc.FrameRate = c.frameRate;
  SetRawLines(f.doc, c.lines, c.detectionCode);
  if (c.detectionCode == 4) f.doc.store.SubtitleCount = static_cast<int>(c.expected.size());  // counted by verification
  // Every read sets the flags afresh.
  f.doc.store.BraceCodesFound = !c.braceCodes;
  f.doc.store.AngleTagsFound = !c.angleTags;
  f.doc.ReadSubtitleLines();
  EXPECT_EQ(SubtitlesOf(f.doc), c.expected);
  EXPECT_EQ(f.doc.store.BraceCodesFound, c.braceCodes);
  EXPECT_EQ(f.doc.store.AngleTagsFound, c.angleTags);
  EXPECT_EQ(RawLinesOf(f.doc), c.lines);
  EXPECT_EQ(f.doc.store.ChangeCount, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Read, Reading,
    ::testing::Values(
        LinesRead{"MicroDVDFrames", 1, {"{25}{50}Hello|World"}, {{1000, 2000, "Hello|World"}}},
        LinesRead{"MicroDVDMissingStart", 1, {"{}{50}Hi"}, {{-1, 2000, "Hi"}}},
        LinesRead{"MicroDVDCodeSetsFlag", 1, {"{25}{50}{y:i}Hi"}, {{1000, 2000, "{y:i}Hi"}}, true},
        LinesRead{"MicroDVDBraceSetsFlag", 1, {"{10}{20}a}b"}, {{400, 800, "a}b"}}, true},
        // Only the first seven digits of a value count.
        LinesRead{"MicroDVDSevenDigits", 1, {"{123456789}{1}x"}, {{49382680, 40, "x"}}},
        LinesRead{"MicroDVDFilmRate", 1, {"{24}{48}x"}, {{1001, 2002, "x"}}, false, false, 23.976},
        // 62.5 and 187.5 milliseconds: ties go to the even neighbour.
        LinesRead{"MicroDVDRoundHalfToEven", 1, {"{1}{3}x"}, {{62, 188, "x"}}, false, false, 16},
        LinesRead{"SubRipTimes", 2, {"1", "00:01:02,345 --> 00:01:04,000", "first", "second"},
                  {{62345, 64000, "first|second"}}},
        LinesRead{"SubRipTagSetsFlag", 2, {"1", "00:00:01,000 --> 00:00:02,000", "<i>a</i>"},
                  {{1000, 2000, "<i>a</i>"}}, false, true},
        // A second blank before a counter leaves an empty display line, for repair to remove.
        LinesRead{"SubRipSecondBlankBeforeCounter", 2,
                  {"1", "00:00:01,000 --> 00:00:02,000", "A", "", "", "2", "00:00:03,000 --> 00:00:04,000", "B"},
                  {{1000, 2000, "A|"}, {3000, 4000, "B"}}},
        LinesRead{"SubRipLastTextEndsAtBlank", 2, {"1", "00:00:01,000 --> 00:00:02,000", "A", "", "stray"},
                  {{1000, 2000, "A"}}},
        LinesRead{"SubRipTimeLineWithCoordinates", 2,
                  {"1", "00:00:01,000 --> 00:00:02,000 X1:100 X2:600 Y1:50 Y2:100", "A"}, {{1000, 2000, "A"}}},
        LinesRead{"TimePairNoTextBetweenTimeLines", 3, {"00:00:01.00,00:00:02.00", "00:00:03.00,00:00:04.00", "B"},
                  {{1000, 2000, ""}, {3000, 4000, "B"}}},
        LinesRead{"TimePairBlankBeforeNextTimeLine", 3,
                  {"00:00:01.00,00:00:02.00", "A", "a", "", "00:00:03.00,00:00:04.00", "B"},
                  {{1000, 2000, "A|a"}, {3000, 4000, "B"}}},
        LinesRead{"SsaTimesAndLineBreak", 4,
                  {"Dialogue: Marked=0,0:00:01.00,0:00:04.50,Default,NTP,0000,0000,0000,,one/Ntwo"},
                  {{1000, 4500, "one|two"}}}),
    [](const auto& info) { return info.param.name; });

struct ScoredLine {
  std::string line;
  bool timeLine;
};

class TimeLineScoring : public ::testing::TestWithParam<ScoredLine> {};

// A well-formed time line stays one whatever follows it; any other line is judged by its look.
TEST_P(TimeLineScoring, RecognisesSubRipTimeLines) {
  EXPECT_EQ(TimeLineScore(GetParam().line), GetParam().timeLine) << GetParam().line;
}

INSTANTIATE_TEST_SUITE_P(
    Read, TimeLineScoring,
    ::testing::Values(ScoredLine{"00:00:01,000 --> 00:00:04,000 X1:100 X2:600 Y1:50 Y2:100", true},
                      ScoredLine{"00:00:01.000 --> 00:00:04.000 and a remark that goes on and on", true},
                      ScoredLine{"00:00:01,000 -> 00:00:04,000", true},
                      ScoredLine{"00:00:01,000 --> 00:00:0x,000 X1:100 X2:600 Y1:50 Y2:100", false},
                      ScoredLine{"Hello, world -- this is text", false}));

}  // namespace
}  // namespace tessary::testing
