// "Mark the line number": the subtitle under the caret goes into a line field.
#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "document/caret.h"
#include "support/document_fixture.h"

namespace tessary::testing {
namespace {

const std::string FourSubRip =
    Lines({"1", "00:00:01,000 --> 00:00:02,000", "One", "", "2", "00:00:03,000 --> 00:00:04,000", "Two", "", "3",
           "00:00:05,000 --> 00:00:06,000", "Three", "", "4", "00:00:07,000 --> 00:00:08,000", "Four|lines"});

TEST(TransformMarkLineNumber, TheCaretsLineBecomesTheSubtitleNumberOfThatPoint) {
  struct Case {
    const char* name;
    int point, caretLine;
    int first, second;
    bool unverifiedEdits = false;
    std::string file = FourSubRip;
  };
  for (const Case& c : {
           Case{"time line of the third", 2, 10, 1, 3},
           Case{"counter of the first", 1, 1, 1, 4},
           Case{"blank after the second", 1, 8, 2, 4},
           Case{"second text line of the fourth", 1, 16, 4, 4},
           Case{"unverified edits", 1, 10, 1, 4, true},
           Case{"MicroDVD", 1, 2, 2, 3, false, Lines({"{10}{20}A", "{30}{40}B", "{50}{60}C"})},
       }) {
    DocumentFixture f;
    f.Open(c.file, c.file == FourSubRip ? "film.srt" : "film.sub");
    f.doc.EditedSinceParse = c.unverifiedEdits;
    f.editor.SetCaretPosition(StartOfLine(f.Text(), c.caretLine));
    f.doc.MarkLineNumber(c.point);
    const TimingFields& t = f.doc.timing;
    EXPECT_EQ(std::tuple(t.firstLine.Value(), t.secondLine.Value(), t.firstLine.Text(), t.secondLine.Text()),
              std::tuple(c.first, c.second, std::to_string(c.first), std::to_string(c.second)))
        << c.name;
  }
}

}  // namespace
}  // namespace tessary::testing
