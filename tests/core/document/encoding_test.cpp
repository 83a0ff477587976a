#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "support/document_fixture.h"

namespace tessary::testing {
namespace {

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
  };
  for (const Case& c : {
           Case{"\xEF\xBB\xBF" + polishSubRip, TextEncoding::Utf8, true, polishSubRip},
           Case{polish, TextEncoding::Utf8, false, polish},
           Case{russian, TextEncoding::Utf8, false, russian},
           Case{windows1250, TextEncoding::Windows1250, false, windows1250},
           Case{"{1}{2}plain", TextEncoding::Windows1250, false, "{1}{2}plain"},  // no multi-byte sequence, no mark
           Case{Utf16(polish16, false), TextEncoding::Utf16LE, true, polish},
           Case{Utf16(polish16, true), TextEncoding::Utf16BE, true, polish},
       }) {
    DocumentFixture f;
    f.Open(c.file);
    SCOPED_TRACE(c.text);
    EXPECT_EQ(f.prompter.Texts(), std::vector<std::string>{});  // the mark is no change
    EXPECT_EQ(std::pair(f.doc.encoding.kind, f.doc.encoding.byteOrderMark), std::pair(c.kind, c.mark));
    EXPECT_EQ(f.Text(), c.text);
    std::string converted;
    const FileBytes bytes = BytesForFile(f.editor.Text(), f.doc.encoding, converted);
    EXPECT_EQ(std::string(bytes.head) + std::string(bytes.body), c.file);
    // Only a conversion copies the text.
    EXPECT_EQ(bytes.body.data() == f.editor.Text().data(), converted.empty());
  }
}

TEST(Encoding, OneInvalidByteMakesTheFileWindows1250AndItsUtf8BytesCountAsNonText) {
  DocumentFixture f;
  f.Open(Lines({"{1}{2}сестра встреча сестра", "{3}{4}встреча сестра встреча", "{5}{6}сестра встреча сестра\xFF"}));
  EXPECT_EQ(f.prompter.Texts(), std::vector<std::string>{"This is not a text!"});
}

TEST(Encoding, CrLfALoneLfAndALoneCrEachEndALine) {
  DocumentFixture f;
  f.Open("1\n00:00:01,000 --> 00:00:02,000\rA\r\n\n2\r00:00:03,000 --> 00:00:04,000\nB\r\n");
  EXPECT_EQ(f.prompter.Texts(), std::vector<std::string>{});
  EXPECT_EQ(f.Text(),
            Lines({"1", "00:00:01,000 --> 00:00:02,000", "A", "", "2", "00:00:03,000 --> 00:00:04,000", "B", ""}));
}

}  // namespace
}  // namespace tessary::testing
