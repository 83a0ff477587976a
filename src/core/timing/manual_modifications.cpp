// Multiply, Increase and Decrease: every start and end of the subtitle by the typed amount.
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>
#include <vector>

#include "document/document.h"
#include "document/units.h"

namespace tessary {

namespace {

// Times above this make a stretch or a later shift a no-op.
constexpr std::int32_t GuardTime = 100000000;

bool AnyTimeAbove(const SubtitleStore& s, std::int32_t limit) {
  for (int i = 1; i <= s.SubtitleCount; ++i)
    if (s.StartValues[i] > limit || s.EndValues[i] > limit) return true;
  return false;
}

// Whether a time can be written in the document's file and read back.
auto WritableIn(const SubtitleStore& s, double frameRate) {
  return [&s, frameRate](std::int64_t ms) { return TimeWritable(ms, s.CurrentType == TypeMicroDVD, frameRate); };
}

// Works out the new time of every start and end first and hands them to `replace` only when
// all can be written in the file (`writable`), so that a refused operation changes nothing.
template <typename Map, typename Writable, typename Replace>
bool ReplaceEveryTime(SubtitleStore& s, Map map, Writable writable, Replace replace) {
  std::vector<std::int64_t> times;
  times.reserve(2 * static_cast<std::size_t>(s.SubtitleCount));
  for (int i = 1; i <= s.SubtitleCount; ++i)
    for (std::int32_t value : {s.StartValues[i], s.EndValues[i]}) {
      times.push_back(map(value));
      if (times.back() > value && !writable(times.back())) return false;
    }
  for (int i = 1; i <= s.SubtitleCount; ++i) {
    replace(s.StartValues[i], times[2 * (i - 1)]);
    replace(s.EndValues[i], times[2 * (i - 1) + 1]);
  }
  return true;
}

}  // namespace

void Document::MultiplyClick() {
  if (!store.SubtitleLoaded) return NoSubtitleNotice();
  if (timing.factor.Value() == 1.0) return;
  if (timing.factor.Value() >= 1.0 && AnyTimeAbove(store, GuardTime)) return;
  const double factor = timing.factor.Value();
  const bool fits = ReplaceEveryTime(
      store, [factor](std::int32_t v) { return RoundHalfEven(v * factor); }, WritableIn(store, FrameRate),
      [this](std::int32_t& v, std::int64_t next) { ReplaceTime(v, next); });
  if (!fits) return Show(Icon::Error, Text(Msg::FramesTooHigh));
  LinesInText();
  ChangeReport();
}

void Document::IncreaseClick() {
  if (!store.SubtitleLoaded) return NoSubtitleNotice();
  if (timing.shift.Value() == 0) return;
  // Past the guard nothing is shifted, but the user still hears that nothing changed.
  if (!AnyTimeAbove(store, GuardTime)) {
    const std::int64_t amount = timing.shift.Value();
    const bool fits = ReplaceEveryTime(
        store, [amount](std::int32_t v) { return v + amount; }, WritableIn(store, FrameRate),
        [this](std::int32_t& v, std::int64_t next) { ReplaceTime(v, next); });
    if (!fits) return Show(Icon::Error, Text(Msg::FramesTooHigh));
  }
  LinesInText();
  ChangeReport();
}

void Document::DecreaseClick() {
  if (!store.SubtitleLoaded) return NoSubtitleNotice();
  if (timing.shift.Value() == 0) return;
  // Only the first start is tested: the parse leaves the starts in order.
  if (store.SubtitleCount >= 1 && store.StartValues[1] < timing.shift.Value()) {
    // Offer the largest amount that keeps the first start at 0 or later; in frames rounded
    // down so that it never reaches past it. The field's own rules read it back.
    const std::int32_t start = store.StartValues[1];
    const std::int64_t largest =
        Unit == DisplayUnit::Frames ? static_cast<std::int64_t>(std::floor(start * FrameRate / 1000.0)) : start;
    timing.shift.Changed(std::to_string(largest), TimingContext());
    return Show(Icon::Error,
                Text(Msg::LargestDecrease) + " " + timing.shift.Text() + "\r\n" + Text(Msg::PleaseTryAgain));
  }
  const std::int64_t amount = timing.shift.Value();
  const bool fits = ReplaceEveryTime(
      store, [amount](std::int32_t v) { return v - amount; }, WritableIn(store, FrameRate),
      [this](std::int32_t& v, std::int64_t next) { ReplaceTime(v, next); });
  if (!fits) return Show(Icon::Error, Text(Msg::FramesTooHigh));
  LinesInText();
  ChangeReport();
}

}  // namespace tessary
