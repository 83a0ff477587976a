// The two shapes that make the restarting rules slowest, at the largest size a document
// takes: they must get through the parse and come out as their small versions predict.
#include <functional>

#include "document/units.h"
#include "oracle_harness.h"
#include "support/document_fixture.h"

namespace tessary::oracle {
namespace {

// SubRip blocks without the blank line between them; the first block has two text lines,
// so that 83,333 blocks make 250,000 lines.
std::vector<std::string> SubRipWithoutBlanks(int blocks) {
  std::vector<std::string> lines;
  for (int b = 1; b <= blocks; ++b) {
    lines.push_back(std::to_string(b));
    lines.push_back(FormatTime(b * 3000LL, true) + " --> " + FormatTime(b * 3000LL + 2000, true));
    lines.push_back("Line " + std::to_string(b));
    if (b == 1) lines.push_back("second");
  }
  return lines;
}

// MicroDVD lines, each followed by an empty line.
std::vector<std::string> MicroDVDEveryOtherLineEmpty(int subtitles) {
  std::vector<std::string> lines;
  for (int k = 1; k <= subtitles; ++k) {
    lines.push_back("{" + std::to_string(75 * k) + "}{" + std::to_string(75 * k + 50) + "}Line " + std::to_string(k));
    lines.push_back("");
  }
  return lines;
}

struct Parsed {
  bool ok;
  int subtitleCount, changeCount;
  std::string text;
};

// The lines verification sees: the parse drops trailing empty lines.
VerifyInput AsParsed(std::vector<std::string> lines, int detectionCode) {
  while (!lines.empty() && lines.back().empty()) lines.pop_back();
  return {lines, detectionCode, true, false, {}};
}

// Opens the lines as a file: detection, then the parse.
Parsed OpenAndParse(const std::vector<std::string>& lines, int) {
  tessary::testing::DocumentFixture f;
  f.Open(JoinLines(OneBased(lines), 1, static_cast<int>(lines.size())), "big.srt");
  return {f.doc.LastParseSucceeded, f.doc.store.SubtitleCount, f.doc.store.ChangeCount, f.Text()};
}

// The parse's steps for a text of a known type. Detection would not take MicroDVD with
// every other line empty (it wants three MicroDVD lines in four), so it is skipped.
Parsed ParseAsType(const std::vector<std::string>& lines, int type) {
  Rig r;
  r.Load(AsParsed(lines, type));
  auto& s = r.doc.store;
  r.doc.VerifySubtitle();
  if (r.doc.VerifiedOK) r.doc.ReadSubtitleLines();
  if (r.doc.VerifiedOK) r.doc.RepairTimes();
  if (r.doc.VerifiedOK) r.doc.LinesInText();
  return {r.doc.VerifiedOK, s.SubtitleCount, s.ChangeCount, r.editor.Text()};
}

TEST(LargeShapes, BigInputsParseAsThePlainRulesPredictFromSmallVersions) {
  struct Shape {
    std::string name;
    int detectionCode;
    std::function<std::vector<std::string>(int)> make;
    std::function<Parsed(const std::vector<std::string>&, int)> parse;
    int bigUnits;  // 250,000 lines
  };
  for (const Shape& shape : {Shape{"SubRip without blanks", 2, SubRipWithoutBlanks, OpenAndParse, 83333},
                             Shape{"MicroDVD with gaps", 1, MicroDVDEveryOtherLineEmpty, ParseAsType, 125000}}) {
    SCOPED_TRACE(shape.name);
    ASSERT_EQ(shape.make(shape.bigUnits).size(), 250000u);
    // The plain rules on two small versions give what one more unit of the shape adds.
    const int small = 150;
    const VerifyOutcome a = OracleVerify(AsParsed(shape.make(small), shape.detectionCode));
    EXPECT_EQ(EngineVerify(AsParsed(shape.make(small), shape.detectionCode)), a);
    const auto [aSubtitles, aChanges] = std::pair(std::get<2>(a), std::get<3>(a));
    const VerifyOutcome b = OracleVerify(AsParsed(shape.make(small + 1), shape.detectionCode));
    const auto [bSubtitles, bChanges] = std::pair(std::get<2>(b), std::get<3>(b));

    // Only verification changes these shapes, so the parse counts what it counts.
    Parsed smallParse = shape.parse(shape.make(small), shape.detectionCode);
    EXPECT_EQ(smallParse.changeCount, aChanges);
    EXPECT_EQ(smallParse.subtitleCount, aSubtitles);

    Parsed big = shape.parse(shape.make(shape.bigUnits), shape.detectionCode);
    const int more = shape.bigUnits - small;
    EXPECT_TRUE(big.ok);
    EXPECT_EQ(big.subtitleCount, aSubtitles + (bSubtitles - aSubtitles) * more);
    EXPECT_EQ(big.changeCount, aChanges + (bChanges - aChanges) * more);
    EXPECT_TRUE(big.text.starts_with(smallParse.text));
  }
}

}  // namespace
}  // namespace tessary::oracle
