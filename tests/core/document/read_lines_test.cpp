#include <gtest/gtest.h>

#include "store_setup.h"
#include "support/document_fixture.h"

namespace tessary::testing {
namespace {

// The lines are let go once read: only the subtitles are kept.
TEST(ReadSubtitleLines, ReadsTimesTextsAndStyleFlagsAndLetsGoOfTheLines) {
  struct Case {
    int detectionCode;
    std::vector<std::string> lines;
    std::vector<Subtitle> expected;
    bool braceCodes = false, angleTags = false;
    double frameRate = 25;
  };
  for (const Case& c : {
           Case{1, {"{}{50}Hi"}, {{-1, 2000, "Hi"}}},
           Case{1, {"{25}{50}{y:i}Hi"}, {{1000, 2000, "{y:i}Hi"}}, true},
           Case{1, {"{10}{20}a}b"}, {{400, 800, "a}b"}}, true},
           Case{1, {"{123456789}{1}x"}, {{49382680, 40, "x"}}},  // only the first seven digits count
           Case{1, {"{24}{48}x"}, {{1001, 2002, "x"}}, false, false, 23.976},
           Case{
               2, {"1", "00:01:02,345 --> 00:01:04,000", "<i>a</i>", "b"}, {{62345, 64000, "<i>a</i>|b"}}, false, true},
           // A second blank before a counter leaves an empty display line, for repair to remove.
           Case{2,
                {"1", "00:00:01,000 --> 00:00:02,000", "A", "", "", "2", "00:00:03,000 --> 00:00:04,000", "B"},
                {{1000, 2000, "A|"}, {3000, 4000, "B"}}},
           Case{2, {"1", "00:00:01,000 --> 00:00:02,000", "A", "", "stray"}, {{1000, 2000, "A"}}},
           Case{2, {"1", "00:00:01,000 --> 00:00:02,000 X1:100 X2:600 Y1:50 Y2:100", "A"}, {{1000, 2000, "A"}}},
           Case{3, {"00:00:01.00,00:00:02.00", "00:00:03.00,00:00:04.00", "B"}, {{1000, 2000, ""}, {3000, 4000, "B"}}},
           Case{3,
                {"00:00:01.00,00:00:02.00", "A", "a", "", "00:00:03.00,00:00:04.00", "B"},
                {{1000, 2000, "A|a"}, {3000, 4000, "B"}}},
       }) {
    DocumentFixture f;
    f.doc.SetFrameRate(c.frameRate);
    SetRawLines(f.doc, c.lines, c.detectionCode);
    f.doc.StoreForSetup().BraceCodesFound = !c.braceCodes;  // every read sets the flags afresh
    f.doc.StoreForSetup().AngleTagsFound = !c.angleTags;
    f.doc.ReadSubtitleLines();
    SCOPED_TRACE(Lines(c.lines));
    EXPECT_EQ(SubtitlesOf(f.doc), c.expected);
    EXPECT_EQ(std::pair(f.doc.store().BraceCodesFound, f.doc.store().AngleTagsFound),
              std::pair(c.braceCodes, c.angleTags));
    EXPECT_EQ(f.doc.store().RawLines.size(), 1u);
    EXPECT_EQ(f.doc.store().ChangeCount, 0);
  }
}

}  // namespace
}  // namespace tessary::testing
