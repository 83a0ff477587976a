// What every timing operation takes besides its parameters, and what it gives back.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <utility>

#include "document/subtitle_store.h"
#include "settings/message_table.h"

namespace tessary {

// What limits the times an operation may write: the file's type and the MicroDVD frame rate.
struct TimeLimits {
  SubtitleType type = SubtitleType::None;
  double frameRate = 25;
};

enum class Outcome {
  Done,         // the times were replaced; `changes` counts what the user can see
  NothingToDo,  // the parameters change nothing: the store is untouched
  Refused,      // the store is untouched; `message` and `detail` say why
  PastGuard,    // a time lies past the guard of shifts and stretches: nothing was done
};

struct OperationResult {
  Outcome outcome = Outcome::NothingToDo;
  int changes = 0;
  std::optional<Msg> message;  // why it was refused
  std::string detail;          // text shown after the message (the whole text without one)
  // A decrease past the first start: the largest amount that keeps it at 0 or later.
  std::optional<std::int32_t> largestDecreaseMs;
  // A frame-rate change: the rate the subtitle is now shown at.
  std::optional<double> frameRate;
  // A transform: its two line numbers limited to the subtitles there are.
  std::optional<std::pair<std::int32_t, std::int32_t>> lines;
};

inline OperationResult Ended(Outcome outcome, int changes = 0) {
  OperationResult result;
  result.outcome = outcome;
  result.changes = changes;
  return result;
}

inline OperationResult Refusal(std::optional<Msg> message, std::string detail = {}) {
  OperationResult result = Ended(Outcome::Refused);
  result.message = message;
  result.detail = std::move(detail);
  return result;
}

}  // namespace tessary
