#include <gtest/gtest.h>

#include "document/line_split.h"

namespace tessary::testing {
namespace {

// The editing area's text of a file is its lines joined with CR LF; a file that already is
// that text gives its own bytes, so that it is never held twice.
TEST(FileText, JoinsTheLinesWithCrLfAndTakesOverBytesThatAlreadyAreTheText) {
  struct Case {
    std::string bytes;
    int count;  // the lines kept: trailing empty lines are dropped before
    std::string text;
    bool takenOver;
  };
  // Lines long enough to be kept outside the string object, where taking over shows.
  const std::string a = "the first line", b = "the second line";
  for (const Case& c : {
           Case{a + "\r\n" + b + "\r\n", 2, a + "\r\n" + b, true},
           Case{a + "\r\n" + b + "\r\n\r\n\r\n", 2, a + "\r\n" + b, true},
           Case{a + "\r\n" + b, 2, a + "\r\n" + b, true},
           Case{a + "\n" + b + "\n", 2, a + "\r\n" + b, false},
           Case{a + "\r\n" + b + "\rc\r\n", 3, a + "\r\n" + b + "\r\nc", false},
       }) {
    std::vector<std::string> lines;
    SplitFileLines(c.bytes, lines, 10);
    std::string bytes = c.bytes;
    const void* const data = bytes.data();
    const std::string text = FileText(std::move(bytes), lines, c.count);
    EXPECT_EQ(text, c.text) << c.bytes;
    if (c.takenOver) {
      EXPECT_EQ(static_cast<const void*>(text.data()), data) << c.bytes;
    }
  }
}

}  // namespace
}  // namespace tessary::testing
