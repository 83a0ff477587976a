#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <tuple>
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
  for (const auto& [changes, reported, message] :
       {std::tuple(0, 0, "No change"), std::tuple(5, 5, "No change"), std::tuple(5, 2, "I've made 3 changes")}) {
    DocumentFixture f;
    f.doc.StoreForSetup().ChangeCount = changes;
    f.doc.StoreForSetup().ReportedChangeCount = reported;
    f.doc.ChangeReport();
    EXPECT_EQ(f.prompter.Texts(), std::vector<std::string>{message});
    EXPECT_EQ(f.prompter.shown.at(0).icon, Icon::Information);
    EXPECT_EQ(f.doc.store().ReportedChangeCount, changes);
  }
}

}  // namespace
}  // namespace tessary::testing
