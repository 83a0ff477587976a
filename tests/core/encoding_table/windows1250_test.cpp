#include <gtest/gtest.h>

#include "document/windows1250.h"

namespace tessary::testing {
namespace {

TEST(Windows1250, EveryByteComesBackUnchanged) {
  for (int byte = 0; byte < 256; ++byte) {
    EXPECT_EQ(UnicodeToWindows1250(Windows1250ToUnicode(static_cast<unsigned char>(byte))), byte) << byte;
  }
}

TEST(Windows1250, MapsTheCodePageCharacters) {
  struct Case {
    unsigned char byte;
    char16_t character;
  };
  for (const Case& c : {
           Case{0x41, u'A'},
           Case{0x80, u'\u20AC'},  // euro sign
           Case{0x8A, u'\u0160'},  // S with caron
           Case{0x8C, u'\u015A'},  // S with acute
           Case{0x9F, u'\u017A'},  // z with acute
           Case{0xA0, u'\u00A0'},  // no-break space
           Case{0xB9, u'\u0105'},  // a with ogonek
           Case{0xE8, u'\u010D'},  // c with caron
           Case{0xFF, u'\u02D9'},  // dot above
           Case{0x81, u'\u0081'},  // undefined in the code page: its own control character
           Case{0x98, u'\u0098'},
       }) {
    EXPECT_EQ(Windows1250ToUnicode(c.byte), c.character) << int{c.byte};
    EXPECT_EQ(UnicodeToWindows1250(c.character), c.byte) << int{c.byte};
  }
}

TEST(Windows1250, CharactersOutsideTheCodePageHaveNoByte) {
  // Latin-1 letters that Windows-1250 replaced, a CJK letter, a surrogate.
  for (char16_t c : {u'\u00C0', u'\u00E8', u'\u0080', u'\u4E2D', u'\u20AD', char16_t{0xDC80}, u'\uFFFF'}) {
    EXPECT_EQ(UnicodeToWindows1250(c), -1) << int{c};
  }
}

}  // namespace
}  // namespace tessary::testing
