// tessary-bench: how long the largest inputs take to open (read, check, detect, parse and
// render), to parse again after an edit, and to render in the other type. Each iteration
// sets up a freshly opened document; only the measured step is timed (manual time), while
// the CPU column also counts the setup. step_cpu_ms is the processor time of the step
// alone, which other work on a shared machine stretches far less than the wall time. The
// other counters are the document's state afterwards.
#include <benchmark/benchmark.h>

#include <cctype>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include <time.h>
#include <unistd.h>

#include "document/document.h"
#include "input_generator.h"
#include "session.h"

namespace {

using namespace tessary;
namespace fs = std::filesystem;

// Open: OpenFile on the file. ReparseEdited: the text shown after the open, with one typed
// character, parsed again. ReparseFileText: the file's own bytes put in the editing area and
// parsed (all the mending the file needs, without the reading). SwitchType: the other type's
// radio button. MicroDVDRules: the file's lines verified, read, repaired and rendered with the
// MicroDVD rules whatever the detection says (a file with every other line empty is not
// recognised as MicroDVD, but its text can be typed over a MicroDVD subtitle).
enum class Step { Open, ReparseEdited, ReparseFileText, SwitchType, MicroDVDRules };

double ThreadCpuSeconds() {
  timespec t{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
  return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

// Runs f, reports its wall time as the iteration's time and adds its processor time to `cpu`.
template <typename F>
void Time(benchmark::State& state, double& cpu, F&& f) {
  const double cpuStart = ThreadCpuSeconds();
  const auto start = std::chrono::steady_clock::now();
  f();
  state.SetIterationTime(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
  cpu += ThreadCpuSeconds() - cpuStart;
}

// Types an "x" at the end of the first text line past the middle of the text.
std::string WithOneTypedCharacter(std::string text) {
  for (std::size_t p = text.find("\r\n", text.size() / 2); p != std::string::npos; p = text.find("\r\n", p + 2)) {
    if (p > 0 && std::isalpha(static_cast<unsigned char>(text[p - 1]))) return text.insert(p, "x");
  }
  return text + "x";
}

void Run(benchmark::State& state, const fs::path& file, const std::string& bytes, Step step) {
  double cpu = 0;
  for (auto _ : state) {
    auto session = std::make_unique<bench::Session>();
    Document& doc = session->doc;
    if (step == Step::Open) {
      Time(state, cpu, [&] { doc.OpenFile(file.string()); });
    } else if (step == Step::MicroDVDRules) {
      bench::LoadAsMicroDVD(doc, bytes);
      Time(state, cpu, [&] { bench::ParseLoaded(doc); });
    } else {
      doc.OpenFile(file.string());
      if (!doc.LastParseSucceeded()) {
        state.SkipWithError("the file does not open");
        break;
      }
      if (doc.store().SubtitleCount == 0 && step != Step::ReparseFileText) {
        state.SkipWithError("no subtitle left after the open");
        break;
      }
      if (step == Step::SwitchType) {
        const SubtitleType other =
            doc.store().CurrentType == SubtitleType::SubRip ? SubtitleType::MicroDVD : SubtitleType::SubRip;
        Time(state, cpu, [&] { doc.TypeButtonChecked(other); });
      } else {
        session->editor.SetText(step == Step::ReparseEdited ? WithOneTypedCharacter(session->editor.Text()) : bytes);
        doc.EditorTextChanged();
        Time(state, cpu, [&] { doc.TextInLines(); });
      }
    }
    state.counters["parsed"] = doc.LastParseSucceeded();
    state.counters["lines"] = doc.store().LineCount;
    state.counters["subtitles"] = doc.store().SubtitleCount;
    state.counters["changes"] = doc.store().ChangeCount;
  }
  state.counters["step_cpu_ms"] = benchmark::Counter(cpu * 1000, benchmark::Counter::kAvgIterations);
}

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  const fs::path folder = fs::temp_directory_path() / ("tessary-bench-" + std::to_string(::getpid()));
  fs::create_directories(folder);
  const std::pair<Step, const char*> steps[] = {{Step::Open, "open+parse+render"},
                                                {Step::ReparseEdited, "reparse-after-edit"},
                                                {Step::ReparseFileText, "reparse-file-text"},
                                                {Step::SwitchType, "type-switch-render"},
                                                {Step::MicroDVDRules, "microdvd-rules"}};
  const std::vector<bench::NamedInput> inputs = bench::AllInputs();
  for (const auto& input : inputs) {
    const fs::path file = folder / input.fileName;
    std::ofstream(file, std::ios::binary).write(input.bytes.data(), static_cast<std::streamsize>(input.bytes.size()));
    for (const auto& [step, name] : steps) {
      if (step == Step::MicroDVDRules && !input.fileName.ends_with(".sub")) continue;
      benchmark::RegisterBenchmark(
          (input.fileName + "/" + name).c_str(),
          [file, &bytes = input.bytes, step = step](benchmark::State& s) { Run(s, file, bytes, step); })
          ->Iterations(5)
          ->UseManualTime()
          ->Unit(benchmark::kMillisecond);
    }
  }
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  std::error_code ec;
  fs::remove_all(folder, ec);
  return 0;
}
