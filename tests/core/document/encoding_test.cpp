#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/document_fixture.h"

namespace tessary::testing {
namespace {

const std::string Utf8Bom = "\xEF\xBB\xBF";

// The bytes of `text` in UTF-16 with its byte-order mark.
std::string Utf16(std::u16string_view text, bool bigEndian) {
  std::string out;
  for (char16_t unit : std::u16string(1, u'\uFEFF') + std::u16string(text)) {
    char hi = static_cast<char>(unit >> 8), lo = static_cast<char>(unit & 0xFF);
    out += bigEndian ? std::string{hi, lo} : std::string{lo, hi};
  }
  return out;
}

TEST(Encoding, OpensAndWritesBackEachKindOfFileByteForByte) {
  const std::string polishSubRip = "1\r\n00:00:01,000 --> 00:00:02,000\r\nZażółć gęślą jaźń\r\n";
  const std::string polishMicroDVD = "{10}{20}Zażółć gęślą|jaźń 😀\r\n{30}{40}Ćma\r\n{50}{60}Łódź";
  const std::u16string polishMicroDVD16 = u"{10}{20}Zażółć gęślą|jaźń 😀\r\n{30}{40}Ćma\r\n{50}{60}Łódź";
  // Read as Windows-1250, 41 % of these bytes would not be text.
  const std::string russian = Lines({"{1}{2}сестра встреча сестра", "{3}{4}встреча сестра встреча",
                                     "{5}{6}сестра встреча сестра"});
  const std::string greek = Lines({"{10}{20}Καλημέρα κόσμε", "{30}{40}Τι κάνεις;", "{50}{60}Ευχαριστώ"});
  const std::string windows1250 =
      Lines({"{10}{20}Za\xBF\xF3\xB3\xE6 g\xEA\x9C\xB9", "{30}{40}\x8C\x8F\xA3", "{50}{60}x"});
  struct Case {
    const char* name;
    std::string file;
    TextEncoding kind;
    bool mark;
    std::string text;  // the editing area after opening
  };
  for (const Case& c : {
           Case{"UTF-8 with mark", Utf8Bom + polishSubRip, TextEncoding::Utf8, true, polishSubRip},
           Case{"UTF-8 MicroDVD with mark", Utf8Bom + polishMicroDVD, TextEncoding::Utf8, true, polishMicroDVD},
           Case{"UTF-8 Polish", polishMicroDVD, TextEncoding::Utf8, false, polishMicroDVD},
           Case{"UTF-8 Russian", russian, TextEncoding::Utf8, false, russian},
           Case{"UTF-8 Greek", greek, TextEncoding::Utf8, false, greek},
           Case{"Windows-1250", windows1250, TextEncoding::Windows1250, false, windows1250},
           Case{"UTF-16 LE", Utf16(polishMicroDVD16, false), TextEncoding::Utf16LE, true, polishMicroDVD},
           Case{"UTF-16 BE", Utf16(polishMicroDVD16, true), TextEncoding::Utf16BE, true, polishMicroDVD},
       }) {
    DocumentFixture f;
    f.Open(c.file);
    EXPECT_TRUE(f.doc.LastParseSucceeded) << c.name;
    EXPECT_EQ(f.prompter.Texts(), std::vector<std::string>{}) << c.name;
    EXPECT_EQ(f.doc.store.ChangeCount, 0) << c.name;
    EXPECT_EQ(f.doc.encoding.kind, c.kind) << c.name;
    EXPECT_EQ(f.doc.encoding.byteOrderMark, c.mark) << c.name;
    EXPECT_EQ(f.Text(), c.text) << c.name;
    EXPECT_EQ(f.doc.FileBytes(f.Text()), c.file) << c.name;
  }
}

TEST(Encoding, OneInvalidByteMakesTheFileWindows1250AndItsUtf8BytesCountAsNonText) {
  DocumentFixture f;
  f.Open(Lines({"{1}{2}сестра встреча сестра", "{3}{4}встреча сестра встреча",
                "{5}{6}сестра встреча сестра\xFF"}));
  EXPECT_EQ(f.prompter.Texts(), std::vector<std::string>{"This is not a text!"});
  EXPECT_FALSE(f.doc.store.SubtitleLoaded);
}

TEST(Encoding, CrLfALoneLfAndALoneCrEachEndALine) {
  const std::string microDVD = Lines({"{100}{150}One", "{200}{250}Two", "{300}{350}Three"});
  const std::string subRip = Lines({"1", "00:00:01,000 --> 00:00:02,000", "A", "", "2", "00:00:03,000 --> 00:00:04,000",
                                    "B", ""});
  struct Case {
    std::string file, text;
  };
  for (const Case& c : {
           Case{"{100}{150}One\r\n{200}{250}Two\r\n{300}{350}Three\r\n", microDVD},
           Case{"{100}{150}One\n{200}{250}Two\n{300}{350}Three\n", microDVD},
           Case{"{100}{150}One\r{200}{250}Two\r{300}{350}Three\r", microDVD},
           Case{"1\n00:00:01,000 --> 00:00:02,000\rA\r\n\n2\r00:00:03,000 --> 00:00:04,000\nB\r\n", subRip},
       }) {
    DocumentFixture f;
    f.Open(c.file);
    EXPECT_EQ(f.prompter.Texts(), std::vector<std::string>{}) << c.file;
    EXPECT_EQ(f.Text(), c.text);
  }
}

}  // namespace
}  // namespace tessary::testing
