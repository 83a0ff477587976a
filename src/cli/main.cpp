// tessary-cli: the subtitle engine without a window, for batch work.
//
//   tessary-cli verify | convert | multiply | shift | fps | transform ... FILE
// (see UsageText in cli_options.cpp)
#include <csignal>
#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#include "cli_options.h"
#include "cli_prompter.h"
#include "document/caret.h"
#include "document/document.h"
#include "document/safe_write.h"
#include "document/units.h"
#include "ports/string_editor.h"
#include "ports/system_clock.h"
#include "timing_commands.h"

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
  std::cerr << "tessary-cli: " << OneLine(why) << "\n" << UsageText();
  return ExitUsage;
}

bool SameFile(const std::string& a, const std::string& b) {
  std::error_code ec;
  if (fs::exists(a, ec) && fs::exists(b, ec)) return fs::equivalent(a, b, ec);
  return fs::weakly_canonical(a, ec) == fs::weakly_canonical(b, ec);
}

// Reports an error as the editor would show it.
int Refuse(Session& s, const std::string& text) {
  s.prompter.Show(Icon::Error, text);
  return ExitFailed;
}

// Writes `text` to standard output. A write that fails (a full disk, a closed output, a reader
// that went away) is an error like any other.
int Print(Session& s, std::string_view text) {
  std::cout.write(text.data(), static_cast<std::streamsize>(text.size()));
  if (std::cout.flush()) return ExitOk;
  return Refuse(s, s.messages[Msg::CantWriteIn] + " standard output!");
}

// Writes the editing area's text to `target`, or to standard output when it is empty, never
// onto the file that was read. A result with no subtitle left is refused as an empty file is.
int WriteResult(Session& s, const std::string& target, const std::string& input) {
  if (s.doc.store().SubtitleCount == 0) return Refuse(s, s.messages[Msg::FileEmpty]);
  const std::string& text = s.editor.Text();
  if (target.empty()) return Print(s, text);
  if (SameFile(target, input)) return Refuse(s, "\"" + target + "\" is the file being read; name another with -o");
  std::string converted;
  const FileBytes bytes = BytesForFile(text, s.doc.encoding(), converted);
  return WriteFileSafely(target, bytes.body, bytes.head)
             ? ExitOk
             : Refuse(s, s.messages[Msg::CantWriteIn] + " \"" + target + "\"!");
}

}  // namespace

int main(int argc, char** argv) {
  std::ios::sync_with_stdio(false);
  // A reader that goes away (| head) makes the write fail, which is reported, instead of ending the program.
  std::signal(SIGPIPE, SIG_IGN);
  std::vector<std::string> args(argv + 1, argv + argc);
  std::string why;
  std::optional<CliOptions> options = ParseArguments(args, why);
  if (!options) return Usage(why);
  const CliOptions& o = *options;

  std::error_code ec;
  const std::string input = fs::absolute(o.file, ec).string();
  const std::string output = o.output.empty() ? std::string() : fs::absolute(o.output, ec).string();

  // Never freed: freeing a large document one line at a time only slows the exit.
  static Session* session = new Session(o.counterAnswer);
  if (o.help) return Print(*session, UsageText());
  StringEditor& editor = session->editor;
  Document& doc = session->doc;
  doc.settings().AdvancedAutomaticRepair = !o.strict;
  doc.settings().CommaInSubRip = !o.dot;
  doc.settings().OfferNewerSaveCopy = false;  // batch runs read the file named, never a copy
  doc.SetFrameRate(o.frameRate);
  // A conversion switches the type as soon as the file is read, as the type button does.
  if (o.command == "convert")
    doc.OpenFileAs(input, o.targetType);
  else
    doc.OpenFile(input);

  const bool parsed = doc.store().SubtitleLoaded && doc.LastParseSucceeded();
  if (doc.HighlightActive()) {
    TextLocation at = LocationOf(editor.Text(), editor.CaretPosition());
    std::cerr << "caret: " << at.line << ":" << at.column << "\n";
  }
  if (o.command == "verify") {
    if (parsed) return WriteResult(*session, "", input);
    // The text as it stands shows where the reported problem is.
    Print(*session, editor.Text());
    return ExitFailed;
  }
  if (!parsed) return ExitFailed;

  if (o.IsTimingCommand()) {
    const int errors = session->prompter.Errors();
    if (!RunTimingCommand(o, doc, why)) return Refuse(*session, why);
    // The operation refused and said why.
    if (session->prompter.Errors() != errors) return ExitFailed;
    return WriteResult(*session, output, input);
  }
  if (doc.store().CurrentType != o.targetType) return ExitFailed;
  return WriteResult(*session, output.empty() ? doc.CurrentFileName() : output, input);
}
