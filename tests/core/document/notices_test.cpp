#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <utility>
#include <vector>

#include "support/document_fixture.h"

namespace tessary::testing {
namespace {

TEST(NoSubtitleNotice, ShowsTheBoxOnlyForACallWithin864MillisecondsOfThePrevious) {
  struct Case {
    std::vector<int> gapsInMs;  // before each call after the first
    int boxes;
  };
  for (const Case& c : {Case{{}, 0}, Case{{864}, 1}, Case{{865}, 0}, Case{{500, 500}, 2}, Case{{2000, 500}, 1}}) {
    DocumentFixture f;
    f.doc.NoSubtitleNotice();
    for (int gap : c.gapsInMs) {
      f.clock.Advance(std::chrono::milliseconds(gap));
      f.doc.NoSubtitleNotice();
    }
    EXPECT_EQ(f.prompter.Texts(), std::vector<std::string>(c.boxes, "Please load a subtitle!"))
        << ::testing::PrintToString(c.gapsInMs);
  }
}

TEST(ChangeReport, ReportsTheChangesSinceTheLastReport) {
  struct Case {
    int changes, reported;
    bool edited;
    const char* message;
  };
  for (const Case& c : {
           Case{0, 0, false, "No change"},
           Case{5, 5, false, "No change"},
           Case{0, 0, true, "No change"},
           Case{1, 0, false, "I've made 1 changes"},
           Case{5, 2, false, "I've made 3 changes"},
       }) {
    DocumentFixture f;
    f.doc.store.ChangeCount = c.changes;
    f.doc.store.ReportedChangeCount = c.reported;
    f.doc.store.TextEdited = c.edited;
    f.doc.ChangeReport();
    EXPECT_EQ(f.prompter.Texts(), std::vector<std::string>{c.message});
    EXPECT_EQ(f.prompter.shown.at(0).icon, Icon::Information);
    EXPECT_EQ(f.doc.store.ReportedChangeCount, c.changes);
  }
}

}  // namespace
}  // namespace tessary::testing
