// Verification by the engine against the plain rules, on generated MicroDVD and SubRip lines.
#include "oracle_harness.h"

namespace tessary::oracle {
namespace {

// Lines near the MicroDVD shape "{start}{end}text" with braces, digits and blanks missing,
// doubled or misplaced, and empty lines in between.
std::string MicroDVDLine(Random& g) {
  static const std::vector<std::string> junk = {"{", "}", "7", "25", "x", " ", "\b", "{}", "|", "a}", "{1", "}{"};
  static const std::vector<std::string> texts = {"", "Hi", "a|b", "{y:i}x", " x", "1", "}"};
  if (g.Chance(15)) return g.Pick({"", "", " ", "\b", " \b "});
  if (g.Chance(20)) return g.Tokens(junk, 6);
  auto number = [&] { return g.Chance(20) ? std::string() : std::to_string(g.Int(0, 999)); };
  std::string s = (g.Chance(85) ? "{" : "") + number() + (g.Chance(85) ? "}" : "") + (g.Chance(85) ? "{" : "") +
                  number() + (g.Chance(85) ? "}" : "") + g.Pick(texts);
  if (g.Chance(30)) s.insert(static_cast<std::size_t>(g.Int(0, Size(s))), g.Pick(junk));
  if (g.Chance(10)) s = "  " + s;
  if (g.Chance(10)) s += " \b";
  return s;
}

std::string TimeLine(Random& g) {
  // Now and then in other tools' shapes: one-digit fields, fewer fractional digits, no hours.
  auto time = [&] {
    char t[20];
    const bool other = g.Chance(20);
    std::snprintf(t, sizeof t, other ? "%d:%d:%d%c%d" : "%02d:%02d:%02d%c%03d", g.Int(0, 2), g.Int(0, 59), g.Int(0, 59),
                  g.Chance(80) ? ',' : '.', g.Int(0, other ? 99 : 999));
    std::string s(t);
    if (other && g.Chance(30)) s.erase(0, 2);
    if (other && g.Chance(20)) s.resize(s.find_first_of(",."));
    return s;
  };
  std::string s = time() + g.Pick({" --> ", " --> ", "-->", " -->", "--> ", " -> ", "  -->  ", "   -->"}) + time();
  const auto at = static_cast<std::size_t>(g.Int(0, Size(s) - 1));
  // Damage now and then: a character changed, the end cut, something after or before, a character less.
  const int damage = g.Int(0, 9);
  if (damage == 0) s[at] = g.Pick({"x", ";", " ", "5"})[0];
  if (damage == 1) s.resize(std::max<std::size_t>(7, at));
  if (damage == 2) s += g.Pick({" X1:100 X2:600 Y1:50 Y2:100", " 00:00:09,000", "x"});
  if (damage == 3) s.insert(0, g.Pick({"x", "0", " "}));
  if (damage == 4) s.erase(at, 1);
  return s;
}

// Blocks with counters missing, wrong or merged into text, time lines damaged, blank lines
// missing or doubled; now and then one subtitle followed by many text lines.
std::vector<std::string> SubRipLines(Random& g) {
  static const std::vector<std::string> texts = {"Hello", "123", "a b", "<i>x</i>", "", "12:00", " Hi "};
  std::vector<std::string> lines;
  const int blocks = g.Int(1, 5);
  for (int b = 1; b <= blocks; ++b) {
    const int counter = g.Int(0, 9);  // right, wrong, a text line instead, or none
    if (counter < 7)
      lines.push_back(std::to_string(b));
    else if (counter == 7)
      lines.push_back(g.Pick({std::to_string(b + 1), "0" + std::to_string(b), "1", std::to_string(b) + " "}));
    else if (counter == 8)
      lines.push_back(g.Pick(texts));
    lines.push_back(TimeLine(g));
    for (int t = g.Int(0, 3); t > 0; --t) lines.push_back(g.Pick(texts));
    if (g.Chance(8)) lines.insert(lines.end(), 14, "more text");
    if (g.Chance(70)) lines.push_back("");
    if (g.Chance(10)) lines.push_back("");
  }
  if (g.Chance(20)) lines.pop_back();
  return lines;
}

TEST(VerificationOracle, MicroDVDRemovalsMendsAndReportsMatchThePlainRules) {
  auto make = [](Random& g, int n) {
    VerifyInput in{{}, 1, n % 2 == 0, false, {}};
    for (int i = g.Int(1, 6); i > 0; --i) in.lines.push_back(MicroDVDLine(g));
    return in;
  };
  ExpectSameOnGenerated(1, 4000, make, EngineVerify, OracleVerify);
}

TEST(VerificationOracle, SubRipPassesRestartsQuestionsAndReportsMatchThePlainRules) {
  auto make = [](Random& g, int n) {
    VerifyInput in{SubRipLines(g), 2, n % 2 == 0, g.Chance(15), {}};
    if (g.Chance(70)) in.answersOk = {g.Chance(50), g.Chance(50)};
    return in;
  };
  ExpectSameOnGenerated(2, 4000, make, EngineVerify, OracleVerify);
}

}  // namespace
}  // namespace tessary::oracle
