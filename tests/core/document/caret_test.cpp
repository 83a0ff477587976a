#include <gtest/gtest.h>

#include "support/document_fixture.h"

namespace tessary::testing {
namespace {

constexpr Rgb Green{0, 128, 0};
constexpr Rgb Maroon{128, 0, 0};

TEST(LocationOf, CountsLinesByCarriageReturnAndColumnsFromEitherBreak) {
  struct Case {
    const char* text;
    std::size_t position;
    int line, column;
  };
  for (const Case& c : {
           Case{"", 0, 1, 1},
           Case{"ab\r\ncd", 0, 1, 1},
           Case{"ab\r\ncd", 2, 1, 3},
           Case{"ab\r\ncd", 3, 2, 1},  // between CR and LF
           Case{"ab\r\ncd", 4, 2, 1},
           Case{"ab\r\ncd", 6, 2, 3},
           Case{"ab\ncd", 4, 1, 2},    // a lone LF starts no line but restarts the column
           Case{"a\rb\rc", 4, 3, 1},   // a lone CR does start one
           Case{"ab", 99, 1, 3},       // past the end counts as the end
       }) {
    TextLocation at = LocationOf(c.text, c.position);
    EXPECT_EQ(at.line, c.line) << c.text << " @" << c.position;
    EXPECT_EQ(at.column, c.column) << c.text << " @" << c.position;
  }
}

TEST(GetLocNr, RemembersTheEditorCaretAsLineAndColumn) {
  DocumentFixture f;
  f.editor.SetText(Lines({"first", "second", "third"}));
  f.editor.SetCaretPosition(10);  // "first\r\nsec|ond"
  f.doc.GetLocNr();
  EXPECT_EQ(f.doc.CaretLine, 2);
  EXPECT_EQ(f.doc.CaretColumn, 4);
}

TEST(GoToLocNr, PutsTheCaretOnLineAndColumnAndDoesNothingForAMissingLine) {
  struct Case {
    int line, column;
    std::size_t position;  // of the caret afterwards; it starts at 9
  };
  for (const Case& c : {
           Case{1, 1, 0}, Case{2, 4, 10}, Case{3, 2, 16},
           Case{1, 8, 7},    // past the end of "first": the caret runs on into the next line
           Case{3, 9, 20},   // past the end of the text: the caret stays at its end
           Case{0, 1, 9}, Case{4, 1, 9}, Case{1000, 1, 9},
       }) {
    DocumentFixture f;
    f.editor.SetText(Lines({"first", "second", "third"}));
    f.editor.SetCaretPosition(9);
    f.doc.HighlightActive = true;
    f.doc.GoToLocNr(c.line, c.column, false);
    const bool missing = c.line == 0 || c.line > 3;
    EXPECT_EQ(f.editor.CaretPosition(), c.position) << c.line << ":" << c.column;
    EXPECT_EQ(f.doc.HighlightActive, missing) << c.line << ":" << c.column;
    EXPECT_FALSE(f.doc.Rendering);
  }
}

TEST(GoToLocNr, HighlightsTheLineGreenForDarkTextColoursAndMaroonOtherwise) {
  struct Case {
    std::int32_t fontColour;
    int line;
    std::size_t start, length;
    Rgb highlight;
  };
  for (const Case& c : {Case{0, 2, 7, 6, Green}, Case{-872, 2, 7, 6, Green}, Case{1128, 2, 7, 6, Green},
                        Case{-873, 2, 7, 6, Maroon}, Case{1129, 2, 7, 6, Maroon}, Case{8388608, 2, 7, 6, Maroon},
                        Case{0, 3, 15, 5, Green}}) {  // the last line runs to the end of the text
    DocumentFixture f;
    f.doc.settings.FontColour = c.fontColour;
    f.editor.SetText(Lines({"first", "second", "third"}));
    f.doc.GoToLocNr(c.line, 3, true);
    ASSERT_EQ(f.editor.Colourings().size(), 1u) << c.fontColour;
    EXPECT_EQ(f.editor.Colourings()[0].start, c.start);
    EXPECT_EQ(f.editor.Colourings()[0].length, c.length);
    EXPECT_EQ(f.editor.Colourings()[0].colour, c.highlight) << c.fontColour;
    EXPECT_EQ(f.editor.CaretPosition(), c.start + 2);
    // The next call takes the highlight away again.
    f.doc.GoToLocNr(1, 1, false);
    EXPECT_TRUE(f.editor.Colourings().empty());
    EXPECT_FALSE(f.doc.HighlightActive);
  }
}

}  // namespace
}  // namespace tessary::testing
