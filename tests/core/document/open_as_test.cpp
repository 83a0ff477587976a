// Opening a file as a type leaves what opening it and then checking that type's button leaves.
#include <gtest/gtest.h>

#include "support/document_fixture.h"

namespace tessary::testing {
namespace {

TEST(OpenFileAs, LeavesWhatTheOpenAndTheTypeButtonLeave) {
  const std::string tags =
      "1\r\n00:00:01,000-->00:00:02,000\r\n<i>A</i>\r\nb\r\n\r\n2\r\n00:00:03,000 --> 00:00:04,000\r\nC";
  struct Case {
    std::string name, bytes;
    SubtitleType type;
    bool confirm;
  };
  for (const Case& c : {
           Case{"a.srt", tags, SubtitleType::MicroDVD, true},
           Case{"a.srt", tags, SubtitleType::MicroDVD, false},  // the warning declined: it stays SubRip
           Case{"a.srt", tags, SubtitleType::SubRip, true},     // already that type
           Case{"a.srt", "1\r\n99:00:01,000 --> 99:00:02,000\r\nA", SubtitleType::MicroDVD, true},  // frames too high
           Case{"a.sub", "{10}{20}{y:i}A|B\r\n{30}{}C\r\n", SubtitleType::SubRip, true},
           Case{"a.txt", "no subtitle here", SubtitleType::SubRip, true},
       }) {
    DocumentFixture opened, openedAs;
    opened.prompter.confirmConversion = openedAs.prompter.confirmConversion = c.confirm;
    opened.Open(c.bytes, c.name);
    if (opened.doc.LastParseSucceeded()) opened.doc.TypeButtonChecked(c.type);
    openedAs.doc.OpenFileAs(openedAs.folder.Write(c.name, c.bytes), c.type);
    auto outcome = [](DocumentFixture& f) {
      return std::make_tuple(f.Text(), f.editor.CaretPosition(), f.prompter.Texts(), f.prompter.conversionWarnings,
                             f.doc.store().CurrentType, f.doc.store().ChangeCount, f.doc.store().TextEdited,
                             std::filesystem::path(f.doc.CurrentFileName()).filename());
    };
    EXPECT_EQ(outcome(openedAs), outcome(opened)) << c.name << " as " << static_cast<int>(c.type) << ": " << c.bytes;
  }
}

}  // namespace
}  // namespace tessary::testing
