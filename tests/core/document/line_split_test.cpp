#include <gtest/gtest.h>

#include <tuple>

#include "document/line_split.h"

namespace tessary::testing {
namespace {

// The editing area's text of a file is its lines joined with CR LF, without the trailing empty
// lines. (Taking over the bytes of a file that already is that text is a matter of peak memory:
// bench/peak_memory.sh.)
TEST(FileText, JoinsTheLinesWithCrLf) {
  const std::string a = "the first line", b = "the second line";
  for (const auto& [bytes, count, text] :
       {std::tuple(a + "\r\n" + b + "\r\n\r\n\r\n", 2, a + "\r\n" + b), std::tuple(a + "\r\n" + b, 2, a + "\r\n" + b),
        std::tuple(a + "\n" + b + "\n", 2, a + "\r\n" + b),
        std::tuple(a + "\r\n" + b + "\rc\r\n", 3, a + "\r\n" + b + "\r\nc")}) {
    std::vector<std::string> lines;
    SplitFileLines(bytes, lines, 10);
    EXPECT_EQ(FileText(std::string(bytes), lines, count), text) << bytes;
  }
}

}  // namespace
}  // namespace tessary::testing
