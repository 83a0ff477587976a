// tessary-cli: the subtitle engine without a window, for batch work.
//
//   tessary-cli verify | convert | multiply | shift | fps | transform ... FILE
// (see UsageText in cli_options.cpp)
#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#include "cli_options.h"
#include "cli_prompter.h"
#include "timing_commands.h"
#include "document/caret.h"
#include "document/document.h"
#include "document/safe_write.h"
#include "document/units.h"
#include "ports/string_editor.h"
#include "ports/system_clock.h"

namespace fs = std::filesystem;
using namespace tessary;

namespace {

constexpr int ExitOk = 0, ExitFailed = 1, ExitUsage = 2;

struct Session {
  explicit Session(Answer counterAnswer) : prompter(std::cerr, counterAnswer) {}
  CliPrompter prompter;
  StringEditor editor;
  SystemClock clock;
  MessageTable messages;
  Document doc{prompter, editor, clock, messages};
};

int Usage(const std::string& why) {
  std::cerr << "tessary-cli: " << why << "\n" << UsageText();
  return ExitUsage;
}

bool SameFile(const std::string& a, const std::string& b) {
  std::error_code ec;
  if (fs::exists(a, ec) && fs::exists(b, ec)) return fs::equivalent(a, b, ec);
  return fs::weakly_canonical(a, ec) == fs::weakly_canonical(b, ec);
}

// Writes the editing area's text to `target`, never onto the file that was read.
int WriteResult(const Document& doc, const std::string& text, const std::string& target, const std::string& input,
                const MessageTable& messages) {
  if (SameFile(target, input)) {
    std::cerr << "error: \"" << target << "\" is the file being read; name another with -o\n";
    return ExitFailed;
  }
  std::string converted;
  const FileBytes bytes = BytesForFile(text, doc.encoding, converted);
  if (!WriteFileSafely(target, bytes.body, bytes.head)) {
    std::cerr << "error: " << messages[Msg::CantWriteIn] << " \"" << target << "\"!\n";
    return ExitFailed;
  }
  return ExitOk;
}

}  // namespace

int main(int argc, char** argv) {
  std::ios::sync_with_stdio(false);
  std::vector<std::string> args(argv + 1, argv + argc);
  std::string why;
  std::optional<CliOptions> options = ParseArguments(args, why);
  if (!options) return Usage(why);
  const CliOptions& o = *options;
  if (o.help) {
    std::cout << UsageText();
    return ExitOk;
  }

  std::error_code ec;
  const std::string input = fs::absolute(o.file, ec).string();
  const std::string output = o.output.empty() ? std::string() : fs::absolute(o.output, ec).string();

  // Never freed: freeing a large document one line at a time only slows the exit.
  static Session* session = new Session(o.counterAnswer);
  StringEditor& editor = session->editor;
  const MessageTable& messages = session->messages;
  Document& doc = session->doc;
  doc.settings.AdvancedAutomaticRepair = !o.strict;
  doc.settings.CommaInSubRip = !o.dot;
  doc.settings.DeleteSaveCopyOnClose = false;
  doc.FrameRate = doc.CommittedFrameRate = o.frameRate;
  doc.CurrentFileName = input;
  doc.OpenFile();

  const bool parsed = doc.store.SubtitleLoaded && doc.LastParseSucceeded;
  if (doc.HighlightActive) {
    TextLocation at = LocationOf(editor.Text(), editor.CaretPosition());
    std::cerr << "caret: " << at.line << ":" << at.column << "\n";
  }
  if (o.command == "verify") {
    const std::string& text = editor.Text();
    std::cout.write(text.data(), static_cast<std::streamsize>(text.size()));
    std::cout.flush();
    return parsed ? ExitOk : ExitFailed;
  }
  if (!parsed) return ExitFailed;

  if (o.IsTimingCommand()) {
    if (!RunTimingCommand(o, doc, session->prompter, why)) return why.empty() ? ExitFailed : Usage(why);
    return WriteResult(doc, editor.Text(), output, input, messages);
  }
  doc.TypeButtonChecked(o.targetType);
  if (doc.store.CurrentType != o.targetType) return ExitFailed;
  return WriteResult(doc, editor.Text(), output.empty() ? doc.CurrentFileName : output, input, messages);
}
