#include <gtest/gtest.h>

#include "support/document_fixture.h"

namespace tessary::testing {
namespace {

TEST(OpenFile, ParsesAMicroDVDFileAndEnablesTheCommands) {
  DocumentFixture f;
  f.Open(Lines({"{100}{150}Hello|world", "{200}{250}Second", "{300}{350}Third"}), "film.sub");
  EXPECT_TRUE(f.doc.store.SubtitleLoaded);
  EXPECT_TRUE(f.doc.LastParseSucceeded);
  EXPECT_EQ(f.doc.store.SubtitleCount, 3);
  EXPECT_EQ(f.doc.store.StartValues[1], 4000);
  EXPECT_EQ(f.doc.store.Texts[1], "Hello|world");
  EXPECT_TRUE(f.prompter.shown.empty());
  EXPECT_EQ(f.doc.Caption, "Tessary - 'film.sub'");
  EXPECT_TRUE(f.doc.commands.SubtitleCommands);
  EXPECT_FALSE(f.doc.commands.VerifyWritings);
  EXPECT_FALSE(f.doc.commands.Load);
}

}  // namespace
}  // namespace tessary::testing
