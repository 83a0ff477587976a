// tessary-cli: the subtitle engine without a window, for batch work.
//
//   tessary-cli verify  [--fps R] [--strict] [--dot] [--counter-answer ok|cancel] FILE
//   tessary-cli convert --to srt|sub [common options] [-o OUT] FILE
#include <malloc.h>

#include <filesystem>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "cli_prompter.h"
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

struct Options {
  std::string command;
  double frameRate = 25;
  bool strict = false;
  bool dot = false;
  Answer counterAnswer = Answer::Cancel;
  int targetType = TypeNone;
  std::string output;
  std::string file;
};

int Usage(const std::string& why) {
  std::cerr << "tessary-cli: " << why << "\n"
            << "usage: tessary-cli verify  [--fps R] [--strict] [--dot] [--counter-answer ok|cancel] FILE\n"
            << "       tessary-cli convert --to srt|sub [--fps R] [--strict] [--dot] "
               "[--counter-answer ok|cancel] [-o OUT] FILE\n";
  return ExitUsage;
}

std::optional<Options> ParseArguments(const std::vector<std::string>& args, std::string& why) {
  Options o;
  if (args.empty() || (args[0] != "verify" && args[0] != "convert")) {
    why = args.empty() ? "no command given" : "unknown command '" + args[0] + "'";
    return std::nullopt;
  }
  o.command = args[0];
  for (std::size_t i = 1; i < args.size(); ++i) {
    const std::string& a = args[i];
    auto value = [&]() -> std::optional<std::string> {
      if (i + 1 >= args.size()) return std::nullopt;
      return args[++i];
    };
    if (a == "--strict") {
      o.strict = true;
    } else if (a == "--dot") {
      o.dot = true;
    } else if (a == "--fps") {
      auto v = value();
      double rate = v ? DecimalReader(*v, -1) : -1;
      if (!(rate >= 1 && rate <= 60)) {
        why = "the frame rate must be a number from 1 to 60";
        return std::nullopt;
      }
      o.frameRate = rate;
    } else if (a == "--counter-answer") {
      auto v = value();
      if (!v || (*v != "ok" && *v != "cancel")) {
        why = "--counter-answer takes ok or cancel";
        return std::nullopt;
      }
      o.counterAnswer = *v == "ok" ? Answer::Ok : Answer::Cancel;
    } else if (a == "--to" && o.command == "convert") {
      auto v = value();
      if (!v || (*v != "srt" && *v != "sub")) {
        why = "--to takes srt or sub";
        return std::nullopt;
      }
      o.targetType = *v == "srt" ? TypeSubRip : TypeMicroDVD;
    } else if (a == "-o" && o.command == "convert") {
      auto v = value();
      if (!v || v->empty()) {
        why = "-o needs a file name";
        return std::nullopt;
      }
      o.output = *v;
    } else if (!a.empty() && a[0] == '-') {
      why = "unknown option '" + a + "'";
      return std::nullopt;
    } else if (o.file.empty()) {
      o.file = a;
    } else {
      why = "more than one file given";
      return std::nullopt;
    }
  }
  if (o.file.empty()) {
    why = "no file given";
    return std::nullopt;
  }
  if (o.command == "convert" && o.targetType == TypeNone) {
    why = "convert needs --to srt or --to sub";
    return std::nullopt;
  }
  return o;
}

bool SameFile(const std::string& a, const std::string& b) {
  std::error_code ec;
  if (fs::exists(a, ec) && fs::exists(b, ec)) return fs::equivalent(a, b, ec);
  return fs::weakly_canonical(a, ec) == fs::weakly_canonical(b, ec);
}

}  // namespace

int main(int argc, char** argv) {
  std::ios::sync_with_stdio(false);
  // Keep freed memory for reuse: a large document is copied a few times on its way through,
  // and fresh pages for every copy cost more than the copying.
  mallopt(M_MMAP_THRESHOLD, 32 * 1024 * 1024);
  mallopt(M_TRIM_THRESHOLD, 256 * 1024 * 1024);
  std::vector<std::string> args(argv + 1, argv + argc);
  std::string why;
  std::optional<Options> options = ParseArguments(args, why);
  if (!options) return Usage(why);
  const Options& o = *options;

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
    std::string text = editor.Text();
    std::cout.write(text.data(), static_cast<std::streamsize>(text.size()));
    std::cout.flush();
    return parsed ? ExitOk : ExitFailed;
  }
  if (!parsed) return ExitFailed;

  doc.TypeButtonChecked(o.targetType);
  if (doc.store.CurrentType != o.targetType) return ExitFailed;
  const std::string target = output.empty() ? doc.CurrentFileName : output;
  if (SameFile(target, input)) {
    std::cerr << "error: \"" << target << "\" is the file being converted; name another with -o\n";
    return ExitFailed;
  }
  const bool written = doc.encoding.WrittenAsIs() ? WriteFileSafely(target, editor.Text())
                                                  : WriteFileSafely(target, doc.FileBytes(editor.Text()));
  if (!written) {
    std::cerr << "error: " << messages[Msg::CantWriteIn] << " \"" << target << "\"!\n";
    return ExitFailed;
  }
  return ExitOk;
}
