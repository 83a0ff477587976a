// tessary-shapes-bench: the shapes that would make the verification and repair rules restart
// from the top after every change, at the largest size a document takes. Each run checks that
// the shape comes out as its size predicts, and the time is reported.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <tuple>

#include <unistd.h>

#include "document/repair_times.h"
#include "session.h"

namespace {

using namespace tessary;

// SubRip blocks without the blank line between them; the first block has two text lines, so
// that 83,333 blocks make 250,000 lines.
std::string SubRipWithoutBlanks(int blocks) {
  std::string out;
  for (int b = 1; b <= blocks; ++b)
    out += std::to_string(b) + "\r\n" + FormatTime(b * 3000LL, true) + " --> " + FormatTime(b * 3000LL + 2000, true) +
           "\r\nLine " + std::to_string(b) + (b == 1 ? "\r\nsecond\r\n" : "\r\n");
  return out;
}

// 125,000 MicroDVD lines, each followed by an empty line.
std::string MicroDVDEveryOtherLineEmpty(int subtitles) {
  std::string out;
  for (int k = 1; k <= subtitles; ++k)
    out +=
        "{" + std::to_string(75 * k) + "}{" + std::to_string(75 * k + 50) + "}Line " + std::to_string(k) + "\r\n\r\n";
  return out;
}

// Reports a result other than `want` as the benchmark's error.
template <typename T>
bool Check(benchmark::State& state, const T& got, const T& want) {
  if (got != want) state.SkipWithError("the result is not what the shape predicts");
  return got == want;
}

// Every block becomes a subtitle; verification puts in the blank line before each but the first.
void SubRipBlocksWithoutBlankLines(benchmark::State& state) {
  const int blocks = 83333;
  const std::string bytes = SubRipWithoutBlanks(blocks);
  const auto file = std::filesystem::temp_directory_path() / ("tessary-shapes-" + std::to_string(::getpid()) + ".srt");
  std::ofstream(file, std::ios::binary) << bytes;
  for (auto _ : state) {
    bench::Session s;
    s.doc.OpenFile(file.string());
    if (!Check(state, std::tuple(s.doc.LastParseSucceeded(), s.doc.store().SubtitleCount), std::tuple(true, blocks)))
      break;
  }
  std::filesystem::remove(file);
}

// The empty lines, the last one too, are removed: one change each.
void MicroDVDWithEveryOtherLineEmpty(benchmark::State& state) {
  const int subtitles = 125000;
  const std::string bytes = MicroDVDEveryOtherLineEmpty(subtitles);
  for (auto _ : state) {
    bench::Session s;
    bench::LoadAsMicroDVD(s.doc, bytes);
    bench::ParseLoaded(s.doc);
    if (!Check(state, std::tuple(s.doc.VerifiedOK(), s.doc.store().SubtitleCount, s.doc.store().ChangeCount),
               std::tuple(true, subtitles, subtitles)))
      break;
  }
}

// Every other subtitle is empty and the others touch and repeat one text: all merge into one.
void RepairOfTheLargestStoreOfRemovalsAndMerges(benchmark::State& state) {
  constexpr int n = MaxLines;
  for (auto _ : state) {
    SubtitleStore s;
    s.SubtitleCount = n;
    s.EnsureSubtitles(n);
    for (int i = 1; i <= n; ++i) {
      s.StartValues[i] = i * 100;
      s.EndValues[i] = i * 100 + 200;  // reaches the next subtitle kept
      s.Texts[i] = i % 2 ? "same" : "";
    }
    const bool stopped = RepairPass(s, RepairLimits{}).has_value();
    if (!Check(state, std::tuple(stopped, s.SubtitleCount, s.EndValues[1], s.ChangeCount),
               std::tuple(false, 1, (n - 1) * 100 + 200, n / 2 + (n / 2 - 1))))
      break;
  }
}

}  // namespace

BENCHMARK(SubRipBlocksWithoutBlankLines)->Iterations(3)->Unit(benchmark::kMillisecond);
BENCHMARK(MicroDVDWithEveryOtherLineEmpty)->Iterations(3)->Unit(benchmark::kMillisecond);
BENCHMARK(RepairOfTheLargestStoreOfRemovalsAndMerges)->Iterations(3)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
