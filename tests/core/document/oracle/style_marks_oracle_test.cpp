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

// Each visible character followed by a digit for the styles it shows (a bit each for b, i, u,
// s): a MicroDVD line code holds to the end of its line and a subtitle code everywhere; a
// SubRip tag holds up to its closing tag.
std::string Shown(const std::string& text, bool microDvd) {
  auto bits = [](std::string_view letters) {
    int mask = 0;
    for (char c : letters)
      if (auto k = std::string_view("biusBIUS").find(c); k != std::string_view::npos) mask |= 1 << (k % 4);
    return mask;
  };
  int subtitle = 0, line = 0;
  for (std::size_t p = text.find("{Y:"); microDvd && p != std::string::npos; p = text.find("{Y:", p + 1))
    subtitle |= bits(text.substr(p, text.find('}', p) - p));
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == (microDvd ? '{' : '<')) {
      std::size_t q = text.find(microDvd ? '}' : '>', i);
      const int mask = bits(text.substr(i + 1, q - i - 1));
      line = text[i + 1] == '/' ? line & ~mask : text[i + 1] == 'Y' ? line : line | mask;
      i = q;
      continue;
    }
    if (microDvd && text[i] == '|') line = 0;
    out += text[i];
    out += static_cast<char>('0' + (text[i] == '|' ? 0 : subtitle | line));
  }
  return out;
}

// MicroDVD codes converted to SubRip and back show what they showed, the usual forms come back
// as they were, and converting again changes nothing; SubRip tags converted to MicroDVD never
// lose a style (a line code cannot end inside its line, so one may reach further).
TEST(StyleMarks, ConversionsKeepWhatEveryLineShows) {
  for (const std::string text : {"{y:i}Line one|Line two", "{Y:i}a|b", "{y:bi}a|b{y:u}c"}) {
    std::string back = text;
    tessary::MicroDVDToSubRip(back);
    tessary::SubRipToMicroDVD(back);
    EXPECT_EQ(back, text);
  }
  static const std::vector<std::string> codes = {"a",      "a",      " ",     "|",     "{y:i}",
                                                 "{y:bi}", "{y:Us}", "{Y:b}", "{Y:i}", "{y:x}"};
  static const std::vector<std::string> tags = {"a", "a", "|", "<i>", "</i>", "<b>", "</b>", "<u>", "</u>"};
  Random g(6);
  for (int n = 0; n < 6000 && !::testing::Test::HasFailure(); ++n) {
    const std::string microDvd = g.Tokens(codes, 12), subRip = g.Tokens(tags, 12);
    std::string there = microDvd, back, converted = subRip, again;
    tessary::MicroDVDToSubRip(there);
    tessary::SubRipToMicroDVD(back = there);
    tessary::SubRipToMicroDVD(converted);
    tessary::SubRipToMicroDVD(again = back);  // every rendering converts again
    EXPECT_EQ(again, back) << microDvd;
    EXPECT_EQ(Shown(there, false), Shown(microDvd, true)) << microDvd << " as " << there;
    EXPECT_EQ(Shown(back, true), Shown(microDvd, true)) << microDvd << " back as " << back;
    const std::string before = Shown(subRip, false), after = Shown(converted, true);
    bool kept = before.size() == after.size();
    for (std::size_t k = 1; kept && k < before.size(); k += 2) kept = (before[k] & ~after[k] & 0xF) == 0;
    EXPECT_TRUE(kept) << subRip << " as " << converted;
  }
}

}  // namespace
}  // namespace tessary::oracle
