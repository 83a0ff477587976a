#include <gtest/gtest.h>

#include <tuple>
#include <utility>

#include "support/document_fixture.h"

namespace tessary::testing {
namespace {

const std::string ThreeLines = Lines({"first", "second", "third"});

TEST(LocationOf, CountsLinesByCarriageReturnAndColumnsFromEitherBreak) {
  struct Case {
    const char* text;
    std::size_t position;
    int line, column;
  };
  for (const Case& c : {Case{"", 0, 1, 1}, Case{"ab\r\ncd", 2, 1, 3}, Case{"ab\r\ncd", 6, 2, 3},
                        Case{"ab\r\ncd", 3, 2, 1},  // between CR and LF
                        Case{"ab\ncd", 4, 1, 2},    // a lone LF starts no line but restarts the column
                        Case{"a\rb\rc", 4, 3, 1},   // a lone CR does start one
                        Case{"ab", 99, 1, 3}}) {    // past the end counts as the end
    TextLocation at = LocationOf(c.text, c.position);
    EXPECT_EQ(std::pair(at.line, at.column), std::pair(c.line, c.column)) << c.text << " @" << c.position;
  }
}

TEST(GoToLocNr, PutsTheCaretOnLineAndColumnAndDoesNothingForAMissingLine) {
  struct Case {
    int line, column;
    std::size_t position;  // of the caret afterwards; it starts at 9
  };
  for (const Case& c : {
           Case{2, 4, 10},
           Case{3, 2, 16},
           Case{1, 8, 7},   // past the end of "first": the caret runs on into the next line
           Case{3, 9, 20},  // past the end of the text: the caret stays at its end
           Case{0, 1, 9},
           Case{4, 1, 9},
       }) {
    DocumentFixture f;
    f.editor.SetText(ThreeLines);
    f.doc.GoToLocNr(1, 1, true);
    f.editor.SetCaretPosition(9);
    f.doc.GoToLocNr(c.line, c.column, false);
    EXPECT_EQ(f.editor.CaretPosition(), c.position) << c.line << ":" << c.column;
    EXPECT_EQ(f.doc.HighlightActive(), c.line == 0 || c.line > 3) << c.line << ":" << c.column;
  }
}

TEST(GoToLocNr, HighlightsTheLineGreenForDarkTextColoursAndMaroonOtherwise) {
  constexpr Rgb Green{0, 128, 0}, Maroon{128, 0, 0};
  struct Case {
    std::int32_t fontColour;
    int line;
    std::size_t start, length;
    Rgb highlight;
  };
  for (const Case& c : {
           Case{-872, 2, 7, 6, Green}, Case{1128, 2, 7, 6, Green}, Case{-873, 2, 7, 6, Maroon},
           Case{1129, 2, 7, 6, Maroon}, Case{0, 3, 15, 5, Green},  // the last line runs to the end of the text
       }) {
    DocumentFixture f;
    f.doc.settings().FontColour = c.fontColour;
    f.editor.SetText(ThreeLines);
    f.doc.GoToLocNr(c.line, 3, true);
    ASSERT_EQ(f.editor.Colourings().size(), 1u) << c.fontColour;
    const auto& colouring = f.editor.Colourings()[0];
    EXPECT_EQ(std::tuple(colouring.start, colouring.length, colouring.colour),
              std::tuple(c.start, c.length, c.highlight))
        << c.fontColour;
    EXPECT_EQ(f.editor.CaretPosition(), c.start + 2);
    // The next call takes the highlight away again.
    f.doc.GoToLocNr(1, 1, false);
    EXPECT_TRUE(f.editor.Colourings().empty());
  }
}

}  // namespace
}  // namespace tessary::testing
