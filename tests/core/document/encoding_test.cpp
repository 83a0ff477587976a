#include <gtest/gtest.h>

#include <optional>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "document/windows1250.h"
#include "support/document_fixture.h"

namespace tessary::testing {
namespace {

// The bytes a file of `info` gets for the document bytes `text`.
std::string Written(std::string_view text, const EncodingInfo& info) {
  std::string converted;
  const FileBytes bytes = BytesForFile(text, info, converted);
  return std::string(bytes.head) + std::string(bytes.body);
}

TEST(Encoding, OpensAndWritesBackEachKindOfFileByteForByte) {
  const std::string polishSubRip = "1\r\n00:00:01,000 --> 00:00:02,000\r\nZażółć gęślą jaźń\r\n";
  const std::string polish = "{10}{20}Zażółć gęślą|jaźń 😀\r\n{30}{40}Ćma\r\n{50}{60}Łódź";
  const std::u16string polish16 = u"{10}{20}Zażółć gęślą|jaźń 😀\r\n{30}{40}Ćma\r\n{50}{60}Łódź";
  // Read as Windows-1250, 41 % of these bytes would not be text.
  const std::string russian =
      Lines({"{1}{2}сестра встреча сестра", "{3}{4}встреча сестра встреча", "{5}{6}сестра встреча сестра"});
  const std::string windows1250 =
      Lines({"{10}{20}Za\xBF\xF3\xB3\xE6 g\xEA\x9C\xB9", "{30}{40}\x8C\x8F\xA3", "{50}{60}x"});
  struct Case {
    std::string file;
    TextEncoding kind;
    bool mark;
    std::string text;  // the editing area after opening
    std::string name;  // as the window shows it
  };
  for (const Case& c : {
           Case{"\xEF\xBB\xBF" + polishSubRip, TextEncoding::Utf8, true, polishSubRip, "UTF-8 BOM"},
           Case{polish, TextEncoding::Utf8, false, polish, "UTF-8"},
           Case{russian, TextEncoding::Utf8, false, russian, "UTF-8"},
           Case{windows1250, TextEncoding::Windows1250, false, windows1250, "Windows-1250"},
           // no multi-byte sequence, no mark
           Case{"{1}{2}plain", TextEncoding::Windows1250, false, "{1}{2}plain", "Windows-1250"},
           Case{Utf16(polish16, false), TextEncoding::Utf16LE, true, polish, "UTF-16 LE"},
           Case{Utf16(polish16, true), TextEncoding::Utf16BE, true, polish, "UTF-16 BE"},
       }) {
    DocumentFixture f;
    f.Open(c.file);
    SCOPED_TRACE(c.text);
    EXPECT_EQ(f.prompter.Texts(), std::vector<std::string>{});  // the mark is no change
    EXPECT_EQ(std::pair(f.doc.encoding().kind, f.doc.encoding().byteOrderMark), std::pair(c.kind, c.mark));
    EXPECT_EQ(f.Text(), c.text);
    EXPECT_EQ(Written(f.editor.Text(), f.doc.encoding()), c.file);
    EXPECT_EQ(EncodingName(f.doc.encoding()), c.name);
  }
}

TEST(Encoding, ASwitchToUtf8IsToldOnceForEachReadingOfTheFileAndAtTheLatestBySaving) {
  DocumentFixture f;
  for (bool toldAfterTyping : {true, false}) {
    f.Open("{10}{20}\xB3", "film.sub");
    f.doc.NoticeEncodingSwitch();              // nothing to tell yet
    f.doc.EncodingForEditor().SwitchToUtf8();  // as the editing area does for a typed character
    f.EditAndVerify("{10}{20}\xC5\x82\xE4\xB8\xAD");
    f.prompter.shown.clear();
    if (toldAfterTyping) f.doc.NoticeEncodingSwitch();
    f.doc.Save();
    f.doc.Save();
    EXPECT_EQ(f.prompter.Texts(), std::vector<std::string>{MessageTable::BuiltInEnglish(211)});
  }
}

// Every UTF-16 file that is taken, lone surrogate halves and all, is written back byte for
// byte; one of odd length is not taken.
TEST(Encoding, Utf16FilesAreTakenOnlyWhenTheyWriteBackByteForByte) {
  std::mt19937 random(16);
  const char16_t units[] = {u'a', u'\r', u'\n', 0, 0x105, 0xFEFF, 0xFFFF, 0xD800, 0xDBFF, 0xDC00, 0xDFFF};
  for (int run = 0; run < 3000; ++run) {
    std::u16string text;
    for (int n = static_cast<int>(random() % 12); n > 0; --n) text += units[random() % std::size(units)];
    const std::string file = Utf16(text, run % 2) + std::string(run % 3 == 0, 'x');
    std::string bytes = file;
    const std::optional<EncodingInfo> info = DecodeFile(bytes);
    ASSERT_EQ(info.has_value(), file.size() % 2 == 0) << run;
    if (info) {
      ASSERT_EQ(Written(bytes, *info), file) << run;
    }
  }
  // A broken three-byte form typed into the document keeps the line end after it.
  EXPECT_TRUE(Written("\xED\xA0\r\n", {TextEncoding::Utf16LE, true}).ends_with(std::string("\r\0\n\0", 4)));
}

// Every byte maps to a character that maps back to it; the code page's letters are its own,
// its undefined bytes their own control characters, and other characters have no byte.
TEST(Windows1250, MapsEveryByteBothWaysAndCharactersOutsideTheCodePageToNone) {
  for (int byte = 0; byte < 256; ++byte)
    EXPECT_EQ(UnicodeToWindows1250(Windows1250ToUnicode(static_cast<unsigned char>(byte))), byte) << byte;
  const std::string bytes = "\x41\x80\x8A\x8C\x9F\xA0\xB9\xE8\xFF\x81\x98";
  const std::u16string characters = u"A\u20AC\u0160\u015A\u017A\u00A0\u0105\u010D\u02D9\u0081\u0098";
  for (std::size_t k = 0; k < bytes.size(); ++k)
    EXPECT_EQ(Windows1250ToUnicode(static_cast<unsigned char>(bytes[k])), characters[k]) << k;
  // Latin-1 letters that Windows-1250 replaced, a CJK letter, a surrogate.
  for (char16_t c : {u'\u00C0', u'\u00E8', u'\u0080', u'\u4E2D', u'\u20AD', char16_t{0xDC80}, u'\uFFFF'})
    EXPECT_EQ(UnicodeToWindows1250(c), -1) << int{c};
}

}  // namespace
}  // namespace tessary::testing
