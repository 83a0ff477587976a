// The conversions of style marks by the engine against the plain repeat-until-nothing-found
// rules, on texts made of tags, codes, stray brackets and braces.
#include "document/style_marks.h"
#include "oracle_harness.h"

namespace tessary::oracle {
namespace {

TEST(StyleMarksOracle, ConversionsInBothDirectionsMatchThePlainRules) {
  static const std::vector<std::string> alphabet = {
      "<i>",   "</i>",  "<b>",    "</b>",    "<u>", "</u>", "<s>", "</s>", "<font x>", "<",  ">", "|", "|",
      "{y:i}", "{Y:b}", "{y:bi}", "{c:$FF}", "{Y:", "{",    "}",   "a",    " ",        "y:", "b", "i", "/"};
  // The smallest inputs found to differ so far, then generated ones.
  std::vector<std::string> texts = {"<b>a<b>b", "{y:i}{y:b}a", "{y:i}|a", "<u>{y: }{y:i}"};
  Random g(5);
  for (int n = 0; n < 8000; ++n) texts.push_back(g.Tokens(alphabet, 16));
  int failures = 0;
  for (const std::string& text : texts) {
    std::string toMicroDVD = text, toSubRip = text;
    tessary::SubRipToMicroDVD(toMicroDVD);
    tessary::MicroDVDToSubRip(toSubRip);
    EXPECT_EQ(toMicroDVD, SubRipToMicroDVD(text)) << "SubRipToMicroDVD of " << ::testing::PrintToString(text);
    EXPECT_EQ(toSubRip, MicroDVDToSubRip(text)) << "MicroDVDToSubRip of " << ::testing::PrintToString(text);
    failures += toMicroDVD != SubRipToMicroDVD(text) || toSubRip != MicroDVDToSubRip(text);
    if (failures >= 8) break;
  }
}

}  // namespace
}  // namespace tessary::oracle
