// The real subtitle files from elsewhere, beside the repository when checks are run on it.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>

// Skips the test in a clone that has no such folder beside it, as a user's has none.
#define TESSARY_SKIP_WITHOUT_CORPUS()                     \
  if (!std::filesystem::is_directory(TESSARY_CORPUS_DIR)) \
  GTEST_SKIP() << "no folder " TESSARY_CORPUS_DIR ": the checks on real files are skipped"
