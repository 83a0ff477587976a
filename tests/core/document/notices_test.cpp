#include <gtest/gtest.h>

#include <vector>

#include "support/document_fixture.h"

namespace tessary::testing {
namespace {

TEST(NoSubtitleNotice, ShowsTheBoxOnlyForACallWithin0_864SecondsOfThePrevious) {
  struct Case {
    std::vector<double> gapsInSeconds;  // before each call after the first
    int boxes;
  };
  for (const Case& c : {
           Case{{}, 0},
           Case{{0.5}, 1},
           Case{{0.86}, 1},
           Case{{0.87}, 0},
           Case{{0.5, 0.5}, 2},
           Case{{2.0, 0.5}, 1},
           Case{{0.5, 2.0}, 1},
       }) {
    DocumentFixture f;
    f.doc.NoSubtitleNotice();
    for (double gap : c.gapsInSeconds) {
      f.clock.AdvanceSeconds(gap);
      f.doc.NoSubtitleNotice();
    }
    ASSERT_EQ(static_cast<int>(f.prompter.shown.size()), c.boxes) << c.gapsInSeconds.size();
    for (const auto& box : f.prompter.shown) {
      EXPECT_EQ(box.icon, Icon::Information);
      EXPECT_EQ(box.text, "Please load a subtitle!");
    }
    EXPECT_DOUBLE_EQ(f.doc.LastGuardTime, f.clock.now);
    EXPECT_FALSE(f.doc.MessageShowing);
  }
}

TEST(ChangeReport, ReportsTheChangesSinceTheLastReportAndEnablesSaving) {
  struct Case {
    int changes, reported;
    bool edited;
    const char* message;
    bool saveEnabled;
  };
  for (const Case& c : {
           Case{0, 0, false, "No change", false},
           Case{5, 5, false, "No change", true},
           Case{0, 0, true, "No change", true},
           Case{1, 0, false, "I've made 1 changes", true},
           Case{5, 2, false, "I've made 3 changes", true},
       }) {
    DocumentFixture f;
    f.doc.store.ChangeCount = c.changes;
    f.doc.store.ReportedChangeCount = c.reported;
    f.doc.store.TextEdited = c.edited;
    f.doc.ChangeReport();
    ASSERT_EQ(f.prompter.shown.size(), 1u);
    EXPECT_EQ(f.prompter.shown[0].icon, Icon::Information);
    EXPECT_EQ(f.prompter.shown[0].text, c.message);
    EXPECT_EQ(f.doc.commands.Save, c.saveEnabled) << c.message;
    EXPECT_EQ(f.doc.commands.Reload, c.saveEnabled) << c.message;
    EXPECT_EQ(f.doc.store.ReportedChangeCount, c.changes);
  }
}

}  // namespace
}  // namespace tessary::testing
