#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "store_setup.h"
#include "support/document_fixture.h"

namespace tessary::testing {
namespace {

// Lines, each repeated so many times.
std::vector<std::string> Repeat(std::initializer_list<std::pair<int, std::string>> blocks) {
  std::vector<std::string> lines;
  for (const auto& [times, line] : blocks) lines.insert(lines.end(), static_cast<std::size_t>(times), line);
  return lines;
}

const std::string Filler = "text line";
const std::string Time = "00:00:01,000 --> 00:00:02,000";
const std::string Pair = "00:00:01.00,00:00:02.00";  // 23 characters
const std::string Dialogue = "Dialogue: Marked=0,0:00:01.00,0:00:02.00,Default,,0000,0000,0000,,Hi";

// 57 SubRip-like lines: more than 57/8.6 must be empty and more than 57/5.7 numbers and time lines.
std::vector<std::string> SubRipLike(int numbers, const std::string& number, int times, int empties) {
  return Repeat({{numbers, number}, {times, Time}, {empties, ""}, {57 - numbers - times - empties, Filler}});
}

TEST(DetectType, RecognisesEachLayoutOnlyPastItsThresholds) {
  struct Case {
    const char* name;
    std::vector<std::string> lines;
    int code;
  };
  for (const Case& c : std::vector<Case>{
           // MicroDVD: three lines in four with two frame values in braces.
           {"three of four", Repeat({{3, "{10}{20}A"}, {1, Filler}}), 1},
           {"empty braces and no text count", {"{}{}", "{}{}x", "{1}{2}", Filler}, 1},
           {"second value not closed", Repeat({{2, "{1}{2"}, {2, "{1}{2}A"}}), 0},
           {"a blank before the brace", Repeat({{2, " {1}{2}A"}, {2, "{1}{2}A"}}), 0},
           // SubRip: enough empty, number and time lines.
           {"11 numbers, 11 times, 7 empty", SubRipLike(11, "12", 11, 7), 2},
           {"a number may end in one other character", SubRipLike(11, "7a", 11, 7), 2},
           {"10 numbers", SubRipLike(10, "12", 11, 7), 0},
           {"10 times", SubRipLike(11, "12", 10, 7), 0},
           {"6 empty", SubRipLike(11, "12", 11, 6), 0},
           {"two non-digits are no number", SubRipLike(11, "1ab", 11, 7), 0},
           // Time pairs: empty lines and lines of 23 characters.
           {"6 of 20 long, 5 empty", Repeat({{6, Pair}, {5, ""}, {9, Filler}}), 3},
           {"5 of 20 long", Repeat({{5, Pair}, {5, ""}, {10, Filler}}), 0},
           {"4 of 20 empty", Repeat({{6, Pair}, {4, ""}, {10, Filler}}), 0},
           // SSA: twenty lines and at least one dialogue line.
           {"20 lines, one dialogue", Repeat({{1, Dialogue}, {19, Filler}}), 4},
           {"20 lines, no dialogue", Repeat({{20, Filler}}), 0},
           {"40 lines, 15 dialogue", Repeat({{15, Dialogue}, {25, Filler}}), 4},
           {"40 lines, 14 dialogue", Repeat({{14, Dialogue}, {26, Filler}}), 0},
           // Time prefix: digits and colons in three lines of four.
           {"three of four", Repeat({{3, "00:00:01:Hello"}, {1, Filler}}), 5},
           {"two of four", Repeat({{2, "00:00:01:Hello"}, {2, Filler}}), 0},
           {"nine characters are enough", Repeat({{4, "00:00:01:"}}), 5},
           {"eight are not", Repeat({{4, "00:00:01"}}), 0},
           {"digits without colons", Repeat({{4, "00-00-01-Hello"}}), 0},
           {"colons without digits", Repeat({{4, "ab:cd:ef:Hello"}}), 0},
           {"digits and colons from different lines", {"00:00:01:A", "00:00:02:B", "00-00-03-C", "ab:cd:ef:D"}, 5},
           // The strict SubRip look opens what the ratios miss.
           {"one subtitle with dots", {"1", "00:00:01.000 --> 00:00:02.000", "Hello"}, 2},
           {"one subtitle in another tool's shape", {"1", "0:00:01 --> 0:00:02,5", "Hello"}, 2},
           {"long blocks", {"1", Time, "a", "b", "c", "d", "", "2", Time, "e", "f", "g", "h"}, 2},
           {"second block without counter", {"1", Time, "a", "b", "c", "d", "", Time, "e", "f", "g", "h"}, 0},
           {"no text line", {"1", Time}, 0},
           {"counter with a letter", {"1a", Time, "Hello"}, 0},
           {"missing arrow", {"1", "00:00:01,000 -- 00:00:02,000", "Hello"}, 0},
       }) {
    DocumentFixture f;
    SetRawLines(f.doc, c.lines, 0);
    EXPECT_EQ(static_cast<int>(f.doc.DetectType()), c.code) << c.name;
  }
}

}  // namespace
}  // namespace tessary::testing
