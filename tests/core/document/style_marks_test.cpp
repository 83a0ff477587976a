#include <gtest/gtest.h>

#include <string>

#include "document/style_marks.h"

namespace tessary {
namespace {

struct Conversion {
  std::string from;
  std::string to;
};

class SubRipTagsToMicroDVD : public ::testing::TestWithParam<Conversion> {};

TEST_P(SubRipTagsToMicroDVD, ConvertsTags) {
  std::string text = GetParam().from;
  SubRipToMicroDVD(text);
  EXPECT_EQ(text, GetParam().to) << "from " << GetParam().from;
}

INSTANTIATE_TEST_SUITE_P(
    StyleMarks, SubRipTagsToMicroDVD,
    ::testing::Values(
        // A tag without its closing tag covers the whole subtitle.
        Conversion{"<i>Hello", "{Y:i}Hello"}, Conversion{"<i>a|b", "{Y:i}a|b"},
        Conversion{"{y:b}<i>x", "{y:b}{Y:i}x"},
        // Closed later in the text: a line code, repeated on every line of the span.
        Conversion{"<i>a|b|c</i>|d", "{y:i}a|{y:i}b|{y:i}c|d"}, Conversion{"x <u>y</u>", "x {y:u}y"},
        // A code left at the end of a line moves to the start of the next.
        Conversion{"a<i>|b</i>", "a|{y:i}b"},
        Conversion{"<b>a</b> <i>b</i>", "{y:b}a {y:i}b"}, Conversion{"<i>a</i><i>b</i>", "{y:i}a{y:i}b"},
        // Codes put after a "|" go in front of those put there before.
        Conversion{"<i>a|<b>b|c</b>|d</i>", "{y:i}a|{y:i}{y:b}b|{y:b}{y:i}c|{y:i}d"},
        // Adjacent one-letter codes are merged in pairs from the start.
        Conversion{"<i><b>x</b></i>", "{y:bi}x"}, Conversion{"<i><b><u><s>x</s></u></b></i>", "{y:bi}{y:su}x"},
        // A repeated tag inside the span of the same tag adds nothing.
        Conversion{"<i>a<i>b</i>", "{y:i}ab"},
        // Other tags are removed; angle brackets that are no tag stay.
        Conversion{"<font color=\"#ff0000\">red</font>", "red"}, Conversion{"a < b > c", "a < b > c"},
        Conversion{"x<3 and y>2", "x<3 and y>2"}, Conversion{"<< b >>", "<< b >>"}));

class MicroDVDCodesToSubRip : public ::testing::TestWithParam<Conversion> {};

TEST_P(MicroDVDCodesToSubRip, ConvertsCodes) {
  std::string text = GetParam().from;
  MicroDVDToSubRip(text);
  EXPECT_EQ(text, GetParam().to) << "from " << GetParam().from;
}

INSTANTIATE_TEST_SUITE_P(
    StyleMarks, MicroDVDCodesToSubRip,
    ::testing::Values(
        Conversion{"{y:i}a", "<i>a"}, Conversion{"{y:IB}x", "<b><i>x"}, Conversion{"{y:sui}x", "<i><u><s>x"},
        Conversion{"a|{y:b}b", "a|<b>b"}, Conversion{"x{Y:i}y", "<i>xy"}, Conversion{"{y:b}a{Y:i}b", "<i><b>ab"},
        // No closing tags are written, so a second equal code repeats an open tag.
        Conversion{"{y:i}a|{y:i}b", "<i>a|b"}, Conversion{"{Y:b}{y:b}a", "<b>a"}, Conversion{"{y:}x", "x"},
        Conversion{"{y:i}}x", "<i>}x"}, Conversion{"{y:ix", "{y:ix"},
        // Colour, font, size and position codes are dropped.
        Conversion{"{c:$0000FF}red", "red"}, Conversion{"{f:Arial}{s:12}{P:0}Text", "Text"},
        // Any other text in braces stays.
        Conversion{"{\\an8}Top", "{\\an8}Top"}, Conversion{"{laughs} Ha", "{laughs} Ha"},
        Conversion{"a}b{c", "a}b{c"}, Conversion{"{}x", "{}x"}));

TEST(StyleMarks, ConvertingThereAndBackDoesNotGiveTheStartingText) {
  std::string text = "{y:i}a|b";
  MicroDVDToSubRip(text);
  EXPECT_EQ(text, "<i>a|b");
  SubRipToMicroDVD(text);
  EXPECT_EQ(text, "{Y:i}a|b");  // the line code became a subtitle code
}

}  // namespace
}  // namespace tessary
