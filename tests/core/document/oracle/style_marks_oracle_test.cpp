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
  const std::vector<std::string> found = {"<b>a<b>b", "{y:i}{y:b}a", "{y:i}|a", "<u>{y: }{y:i}"};
  auto make = [&](Random& g, int n) { return n < Size(found) ? found[n] : g.Tokens(alphabet, 16); };
  auto engine = [](std::string text) {
    std::string toSubRip = text;
    tessary::SubRipToMicroDVD(text);
    tessary::MicroDVDToSubRip(toSubRip);
    return std::pair(text, toSubRip);
  };
  ExpectSameOnGenerated(5, 8000, make, engine, [](const std::string& text) {
    return std::pair(SubRipToMicroDVD(text), MicroDVDToSubRip(text));
  });
}

}  // namespace
}  // namespace tessary::oracle
