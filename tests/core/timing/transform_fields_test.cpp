// The transform's point and line fields, and "Mark the line number".
#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "document/caret.h"
#include "support/document_fixture.h"

namespace tessary::testing {
namespace {

constexpr TimingField First = TimingField::FirstPoint, Second = TimingField::SecondPoint;

// Types `text` into the field and leaves it.
void Commit(Document& doc, TimingField field, std::string_view text) {
  doc.FieldChanged(field, text);
  doc.FieldExit(field);
}

TEST(TransformPointFields, LeavingAFieldTakesAWellFormedValueAndOtherwiseShowsThePointAgain) {
  struct Case {
    bool time;
    TimingField field;
    const char* typed;
    std::int64_t point;
    const char* shown;
  };
  for (const Case& c : {
           Case{true, First, "12:34:56,789", 45296789, "12:34:56,789"},
           Case{true, First, "12:34:56.7891", 45296789, "12:34:56.789"},  // cut to 12, kept as typed
           Case{true, First, "1:2:3", 1000, "00:00:01,000"},
           Case{true, First, "00:60:00,000", 1000, "00:00:01,000"},
           Case{false, First, "12a3456789", 4938240, "123456"},  // 25 frames per second
           Case{false, Second, "12a3456789", 49382680, "1234567"},
           Case{false, First, "0", 0, "0"},
           Case{false, Second, "0", 40, "1"},  // one frame
           Case{false, Second, "", 2000, "50"},
       }) {
    DocumentFixture f;
    f.doc.FirstPointValue = 1000;
    f.doc.SecondPointValue = 2000;
    if (c.time) f.doc.SelectTimeUnit();
    Commit(f.doc, c.field, c.typed);
    EXPECT_EQ(c.field == Second ? f.doc.SecondPointValue : f.doc.FirstPointValue, c.point) << c.typed;
    EXPECT_EQ(f.doc.FieldText(c.field), c.shown) << c.typed;
  }
}

TEST(TransformPointFields, KeysPassByUnitAndADigitOnlyWhileThereIsRoom) {
  struct Case {
    bool time;
    TimingField field;
    const char* text;
    char key;
    bool selection, accepted;
  };
  for (const Case& c : {
           Case{false, First, "123456", '7', false, false},
           Case{false, First, "123456", '7', true, true},
           Case{false, Second, "123456", '7', false, true},
           Case{false, Second, "1234567", '8', false, false},
           Case{false, First, "123456", '\b', false, true},
           Case{false, First, "1", ':', false, false},
           Case{true, Second, "00:00:00,000", '.', false, true},
           Case{true, Second, "00:00:00,000", '1', false, false},
           Case{true, First, "00:00:00,00", '1', false, true},
           Case{true, First, "1", 'a', true, false},
       }) {
    DocumentFixture f;
    if (c.time) f.doc.SelectTimeUnit();
    f.doc.FieldText(c.field) = c.text;
    EXPECT_EQ(f.doc.FieldAcceptsKey(c.field, c.key, c.selection), c.accepted) << c.text << " + " << c.key;
  }
}

const std::string FourSubRip =
    Lines({"1", "00:00:01,000 --> 00:00:02,000", "One", "", "2", "00:00:03,000 --> 00:00:04,000", "Two", "", "3",
           "00:00:05,000 --> 00:00:06,000", "Three", "", "4", "00:00:07,000 --> 00:00:08,000", "Four|lines"});

TEST(TransformLineFields, ANumberIsKeptWithin1AndTheSubtitleCountAndOtherTextChangesNothing) {
  for (auto [typed, line] : {std::pair{"0", 1}, {"3", 3}, {"99999", 4}, {"12a", 2}, {"", 2}}) {
    DocumentFixture f;
    f.Open(FourSubRip, "film.srt");
    f.doc.FirstPointLine = 2;
    Commit(f.doc, TimingField::FirstLine, typed);
    EXPECT_EQ(std::pair(f.doc.FirstPointLine, f.doc.fields.FirstLine), std::pair(line, std::to_string(line))) << typed;
  }
}

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
    EXPECT_EQ(std::tuple(f.doc.FirstPointLine, f.doc.SecondPointLine, f.doc.fields.FirstLine, f.doc.fields.SecondLine),
              std::tuple(c.first, c.second, std::to_string(c.first), std::to_string(c.second)))
        << c.name;
  }
}

}  // namespace
}  // namespace tessary::testing
