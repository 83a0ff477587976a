#include "cli_options.h"

#include <algorithm>
#include <array>

#include "document/subtitle_store.h"
#include "document/units.h"

namespace tessary {

namespace {
constexpr std::array Commands = {"verify", "convert", "multiply", "shift", "fps", "transform"};

bool IsNumber(const std::string& text) {
  const std::string digits = !text.empty() && text[0] == '-' ? text.substr(1) : text;
  return IsAllDigits(digits);
}
}  // namespace

const char* UsageText() {
  return "usage: tessary-cli verify    [common options] FILE\n"
         "       tessary-cli convert   --to srt|sub [common options] [-o OUT] FILE\n"
         "       tessary-cli multiply  --factor F [common options] -o OUT FILE\n"
         "       tessary-cli shift     --ms N | --frames N [common options] -o OUT FILE\n"
         "       tessary-cli fps       --to R [common options] -o OUT FILE\n"
         "       tessary-cli transform --line1 L1 --at1 T1 --line2 L2 --at2 T2 [--mode whole|between|pinned]\n"
         "                             [common options] -o OUT FILE\n"
         "common options: [--fps R] [--strict] [--dot] [--counter-answer ok|cancel]\n"
         "T1, T2: hh:mm:ss,zzz (or .zzz), or a frame number followed by f; N may be negative\n";
}

std::optional<CliOptions> ParseArguments(const std::vector<std::string>& args, std::string& why) {
  CliOptions o;
  if (args.empty() || std::find(Commands.begin(), Commands.end(), args[0]) == Commands.end()) {
    why = args.empty() ? "no command given" : "unknown command '" + args[0] + "'";
    return std::nullopt;
  }
  o.command = args[0];
  const bool timing = o.IsTimingCommand();
  auto fail = [&](std::string reason) {
    why = std::move(reason);
    return std::nullopt;
  };
  for (std::size_t i = 1; i < args.size(); ++i) {
    const std::string& a = args[i];
    auto value = [&]() -> std::optional<std::string> {
      if (i + 1 >= args.size()) return std::nullopt;
      return args[++i];
    };
    auto text = [&](std::string& into, const char* what) -> bool {
      auto v = value();
      if (!v || v->empty()) {
        why = a + " needs " + what;
        return false;
      }
      into = *v;
      return true;
    };
    if (a == "--help" || a == "-h") {
      o.help = true;
    } else if (a == "--strict") {
      o.strict = true;
    } else if (a == "--dot") {
      o.dot = true;
    } else if (a == "--fps") {
      auto v = value();
      double rate = v ? DecimalReader(*v, -1) : -1;
      if (!(rate >= 1 && rate <= 60)) return fail("the frame rate must be a number from 1 to 60");
      o.frameRate = rate;
    } else if (a == "--counter-answer") {
      auto v = value();
      if (!v || (*v != "ok" && *v != "cancel")) return fail("--counter-answer takes ok or cancel");
      o.counterAnswer = *v == "ok" ? Answer::Ok : Answer::Cancel;
    } else if (a == "--to" && o.command == "convert") {
      auto v = value();
      if (!v || (*v != "srt" && *v != "sub")) return fail("--to takes srt or sub");
      o.targetType = *v == "srt" ? TypeSubRip : TypeMicroDVD;
    } else if (a == "--to" && o.command == "fps") {
      if (!text(o.targetRate, "a frame rate")) return std::nullopt;
    } else if (a == "--factor" && o.command == "multiply") {
      if (!text(o.factor, "a factor")) return std::nullopt;
    } else if ((a == "--ms" || a == "--frames") && o.command == "shift") {
      if (!o.amount.empty()) return fail("give one of --ms and --frames");
      if (!text(o.amount, "a whole number")) return std::nullopt;
      if (!IsNumber(o.amount)) return fail(a + " takes a whole number");
      o.amountInFrames = a == "--frames";
    } else if (o.command == "transform" && (a == "--line1" || a == "--line2")) {
      std::string& line = a == "--line1" ? o.line1 : o.line2;
      if (!text(line, "a subtitle number")) return std::nullopt;
      if (!IsAllDigits(line)) return fail(a + " takes a subtitle number");
    } else if (o.command == "transform" && (a == "--at1" || a == "--at2")) {
      if (!text(a == "--at1" ? o.at1 : o.at2, "a time or a frame number")) return std::nullopt;
    } else if (a == "--mode" && o.command == "transform") {
      auto v = value();
      if (!v || (*v != "whole" && *v != "between" && *v != "pinned"))
        return fail("--mode takes whole, between or pinned");
      o.mode = *v == "whole"     ? TransformMode::Whole
               : *v == "between" ? TransformMode::Between
                                 : TransformMode::PinnedEnds;
    } else if (a == "-o" && o.command != "verify") {
      if (!text(o.output, "a file name")) return std::nullopt;
    } else if (!a.empty() && a[0] == '-') {
      return fail("unknown option '" + a + "'");
    } else if (o.file.empty()) {
      o.file = a;
    } else {
      return fail("more than one file given");
    }
  }
  if (o.help) return o;
  if (o.file.empty()) return fail("no file given");
  if (o.command == "convert" && o.targetType == 0) return fail("convert needs --to srt or --to sub");
  if (timing && o.output.empty()) return fail(o.command + " needs -o OUT");
  if (o.command == "multiply" && o.factor.empty()) return fail("multiply needs --factor");
  if (o.command == "shift" && o.amount.empty()) return fail("shift needs --ms or --frames");
  if (o.command == "fps" && o.targetRate.empty()) return fail("fps needs --to");
  if (o.command == "transform" && (o.line1.empty() || o.line2.empty() || o.at1.empty() || o.at2.empty()))
    return fail("transform needs --line1, --at1, --line2 and --at2");
  if (o.command == "transform" && (o.at1.back() == 'f') != (o.at2.back() == 'f'))
    return fail("--at1 and --at2 must both be times or both be frame numbers");
  return o;
}

}  // namespace tessary
