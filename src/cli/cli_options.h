// The command line of tessary-cli.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "document/panel_state.h"
#include "document/subtitle_store.h"
#include "ports/prompter.h"

namespace tessary {

// The options as given. The values of the timing fields stay text: their fields read them
// once the file is open, since what they take depends on it.
struct CliOptions {
  std::string command;  // verify, convert, multiply, shift, fps, transform
  double frameRate = 25;
  bool strict = false;
  bool dot = false;
  Answer counterAnswer = Answer::Cancel;
  SubtitleType targetType = SubtitleType::None;  // convert --to
  std::string factor;                            // multiply --factor
  std::string amount;                            // shift --ms / --frames (may start with "-")
  bool amountInFrames = false;
  std::string targetRate;              // fps --to
  std::string line1, at1, line2, at2;  // transform
  TransformMode mode = TransformMode::Whole;
  bool help = false;
  std::string output;
  std::string file;

  bool IsTimingCommand() const { return command != "verify" && command != "convert"; }
};

// Reads the arguments; on a mistake returns nothing and says why in `why`.
std::optional<CliOptions> ParseArguments(const std::vector<std::string>& args, std::string& why);

// The usage text.
const char* UsageText();

}  // namespace tessary
