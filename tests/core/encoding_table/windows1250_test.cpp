#include <gtest/gtest.h>

#include <utility>

#include "document/windows1250.h"

namespace tessary::testing {
namespace {

// Every byte maps to a character that maps back to it; the code page's letters are its own,
// its undefined bytes their own control characters, and other characters have no byte.
TEST(Windows1250, MapsEveryByteBothWaysAndCharactersOutsideTheCodePageToNone) {
  for (int byte = 0; byte < 256; ++byte) {
    EXPECT_EQ(UnicodeToWindows1250(Windows1250ToUnicode(static_cast<unsigned char>(byte))), byte) << byte;
  }
  for (auto [byte, character] : {std::pair<unsigned char, char16_t>{0x41, u'A'},
                                 {0x80, u'\u20AC'},
                                 {0x8A, u'\u0160'},
                                 {0x8C, u'\u015A'},
                                 {0x9F, u'\u017A'},
                                 {0xA0, u'\u00A0'},
                                 {0xB9, u'\u0105'},
                                 {0xE8, u'\u010D'},
                                 {0xFF, u'\u02D9'},
                                 {0x81, u'\u0081'},
                                 {0x98, u'\u0098'}}) {
    EXPECT_EQ(Windows1250ToUnicode(byte), character) << int{byte};
  }
  // Latin-1 letters that Windows-1250 replaced, a CJK letter, a surrogate.
  for (char16_t c : {u'\u00C0', u'\u00E8', u'\u0080', u'\u4E2D', u'\u20AD', char16_t{0xDC80}, u'\uFFFF'}) {
    EXPECT_EQ(UnicodeToWindows1250(c), -1) << int{c};
  }
}

}  // namespace
}  // namespace tessary::testing
