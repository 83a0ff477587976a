// Silent mends of verification, one step run alone on the raw lines of each layout.
#include <gtest/gtest.h>

#include "document/units.h"
#include "store_setup.h"
#include "support/document_fixture.h"

namespace tessary::testing {
namespace {

const std::string T1 = "00:00:01,000 --> 00:00:02,000";
const std::string T2 = "00:00:03,000 --> 00:00:04,000";
const std::string T3 = "00:00:05,000 --> 00:00:06,000";
const std::string Coordinates = " X1:100 X2:600 Y1:50 Y2:100";
const std::string Dialogue = "Dialogue: Marked=0,0:00:01.00,0:00:04.50,Default,NTP,0000,0000,0000,,one/Ntwo";
constexpr int MicroDVD = 1, SubRip = 2, TimePair = 3, Ssa = 4, TimePrefix = 5;

struct Mend {
  const char* name;
  int layout;
  bool repair;
  std::vector<std::string> lines;
  std::vector<std::string> mended;
  int changes;
};

class VerificationMends : public ::testing::TestWithParam<Mend> {};

TEST_P(VerificationMends, MendsTheLinesSilentlyAndCountsEachMend) {
  const Mend& c = GetParam();
  DocumentFixture f;
  f.doc.settings.AdvancedAutomaticRepair = c.repair;
  SetRawLines(f.doc, c.lines, c.layout);
  f.doc.VerifySubtitle();
  EXPECT_TRUE(f.doc.VerifiedOK);
  EXPECT_EQ(RawLinesOf(f.doc), c.mended);
  EXPECT_EQ(f.doc.store.ChangeCount, c.changes);
  EXPECT_TRUE(f.prompter.shown.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Verify, VerificationMends,
    ::testing::Values(
        Mend{"MicroDVDShortLineGetsTwoZeroValues", MicroDVD, true, {"Hi"}, {"{0}{0}Hi"}, 2},
        Mend{"MicroDVDMissingSecondValueBecomesEmpty", MicroDVD, true, {"{12}Hi"}, {"{12}{}Hi"}, 1},
        Mend{"MicroDVDUnclosedSecondValueWithRepair", MicroDVD, true, {"{12}{20Hi"}, {"{12}{20}Hi"}, 1},
        Mend{"MicroDVDUnclosedSecondValueStrict", MicroDVD, false, {"{12}{20Hi"}, {"{12}{20}Hi"}, 1},
        Mend{"MicroDVDLetterInSecondValueStrict", MicroDVD, false, {"{12}{2a}Hi"}, {"{12}{2}a}Hi"}, 1},
        Mend{"MicroDVDLetterInFirstValue", MicroDVD, true, {"{1a}{2}Hi"}, {"{1}{}a}{2}Hi"}, 2},
        Mend{"MicroDVDNoBraceNoDigit", MicroDVD, true, {"x}{20}Hi"}, {"{0}{}x}{20}Hi"}, 3},
        Mend{"MicroDVDEmptyValuesAccepted", MicroDVD, false, {"{}{}Hi"}, {"{}{}Hi"}, 0},
        Mend{"MicroDVDBackspaceAndBlankTrimmed", MicroDVD, false, {"{1}{2}Hi\b "}, {"{1}{2}Hi"}, 2},
        Mend{"SubRipBlanksTrimmed", SubRip, true, {"1", T1, "  Hello  "}, {"1", T1, "Hello"}, 4},
        Mend{"SubRipBrokenEndZeroed", SubRip, true, {"1", "00:00:01,000 --> 00:00:0x,000", "A"},
             {"1", "00:00:01,000 --> 00:00:00.000", "A"}, 1},
        Mend{"SubRipBrokenStartZeroedEndKept", SubRip, true, {"1", "0x:00:01,000 --> 00:00:02,000", "A"},
             {"1", "00:00:00.000 --> 00:00:02,000", "A"}, 2},
        Mend{"SubRipShortArrowRebuilt", SubRip, true, {"1", "00:00:01,000 -> 00:00:02,000", "A"}, {"1", T1, "A"}, 1},
        // Players write coordinates after the end time; the end time is kept.
        Mend{"SubRipCoordinatesDroppedEndKept", SubRip, true, {"1", T1 + Coordinates, "A"}, {"1", T1, "A"}, 0},
        Mend{"SubRipCoordinatesAcceptedStrict", SubRip, false, {"1", T1 + Coordinates, "A"},
             {"1", T1 + Coordinates, "A"}, 0},
        // The blank put before a counter restarts the scan, which counts the counters out of
        // order up to there once more.
        Mend{"SubRipCounterOutOfOrderCountedAgain", SubRip, true, {"1", T1, "A", "5", T2, "B"},
             {"1", T1, "A", "", "5", T2, "B"}, 3},
        // A text line before a time line gets a counter after it, then a blank before that.
        Mend{"SubRipTextBeforeTimeLine", SubRip, false, {"1", T1, "A", T2, "B", "", "3", T3, "C"},
             {"1", T1, "A", "", "2", T2, "B", "", "3", T3, "C"}, 2},
        Mend{"TimePairBlanksTrimmed", TimePair, true, {"00:00:01.00,00:00:02.00", "  Hello  "},
             {"00:00:01.00,00:00:02.00", "Hello"}, 4},
        Mend{"TimePairBrokenEndZeroed", TimePair, true, {"00:00:01.00,00:00:0x.00", "Hello"},
             {"00:00:01.00,00:00:00.00", "Hello"}, 1},
        Mend{"TimePairBrokenStartZeroed", TimePair, true, {"0x:00:01.00,00:00:03.00", "Hello"},
             {"00:00:00.00,00:00:03.00", "Hello"}, 1},
        Mend{"TimePairBothTimesZeroed", TimePair, true, {"0x:00:01.00,00:00:0x.00", "Hello"},
             {"00:00:00.00,00:00:00.00", "Hello"}, 2},
        Mend{"TimePairMiddleNotExamined", TimePair, true, {"00:00:01.00 00:00:03.00", "Hello"},
             {"00:00:01.00 00:00:03.00", "Hello"}, 0},
        Mend{"TimePairGarbageIsText", TimePair, true, {"00:00:01.00,00:00:02.00", "Hello", "", "00:00:01.00,garbage"},
             {"00:00:01.00,00:00:02.00", "Hello", "", "00:00:01.00,garbage"}, 0},
        Mend{"SsaBlanksTrimmed", Ssa, true, {"  " + Dialogue + "  "}, {Dialogue}, 4},
        Mend{"TimePrefixBlanksTrimmed", TimePrefix, true, {"  00:00:05:A  "}, {"00:00:05:A"}, 4},
        Mend{"TimePrefixZeroTimeNotCounted", TimePrefix, true, {"Hello"}, {"00:00:00:Hello"}, 0}),
    [](const auto& info) { return info.param.name; });

// Blocks of counter, time line, one text line and a blank, padded with text lines.
std::vector<std::string> BlocksPaddedTo(int blocks, int lines) {
  std::vector<std::string> out;
  for (int b = 1; b <= blocks; ++b) {
    out.push_back(std::to_string(b));
    out.push_back(FormatTime(b * 2000, true) + " --> " + FormatTime(b * 2000 + 1000, true));
    out.push_back("text");
    out.push_back("");
  }
  out.pop_back();
  while (static_cast<int>(out.size()) < lines) out.push_back("more text");
  return out;
}

TEST(SubRipCounterShare, NeedsOneCounterInTwelveLines) {
  for (int counters : {99, 100}) {
    SCOPED_TRACE(counters);
    DocumentFixture f;
    SetRawLines(f.doc, BlocksPaddedTo(counters, 1200), SubRip);
    f.doc.VerifySubtitle();
    EXPECT_EQ(f.doc.VerifiedOK, counters == 100);
    EXPECT_EQ(f.prompter.Texts(), counters == 100 ? std::vector<std::string>{}
                                                   : std::vector<std::string>{"Too few lines for the counted text lines!"});
    EXPECT_EQ(f.doc.store.SubtitleCount, counters == 100 ? 100 : 0);
  }
}

}  // namespace
}  // namespace tessary::testing
