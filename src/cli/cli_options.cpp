#include "cli_options.h"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <array>

#include "document/subtitle_store.h"
#include "document/units.h"

namespace tessary {

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

namespace {

constexpr std::array Commands = {"verify", "convert", "multiply", "shift", "fps", "transform"};

// The subcommands and the options each takes; the usage text is ours, so CLI11 prints none.
struct Parser {
  CLI::App app{"tessary-cli"};
  std::string rate, ms, frames, answer, type, mode;

  explicit Parser(CliOptions& o) {
    app.set_help_flag();
    app.add_flag("-h,--help", o.help);
    app.require_subcommand(0, 1);
    for (const char* name : Commands) {
      CLI::App* sub = app.add_subcommand(name);
      sub->set_help_flag();
      sub->add_flag("-h,--help", o.help);
      sub->add_option("--fps", rate);
      sub->add_flag("--strict", o.strict);
      sub->add_flag("--dot", o.dot);
      sub->add_option("--counter-answer", answer)->check(CLI::IsMember({"ok", "cancel"}));
      sub->add_option("FILE", o.file);
      if (std::string(name) != "verify") sub->add_option("-o", o.output);
    }
    app.get_subcommand("convert")->add_option("--to", type)->check(CLI::IsMember({"srt", "sub"}));
    app.get_subcommand("multiply")->add_option("--factor", o.factor);
    CLI::App* shift = app.get_subcommand("shift");
    shift->add_option("--ms", ms)->excludes(shift->add_option("--frames", frames));
    app.get_subcommand("fps")->add_option("--to", o.targetRate);
    CLI::App* transform = app.get_subcommand("transform");
    for (auto [name, into] :
         {std::pair{"--line1", &o.line1}, {"--at1", &o.at1}, {"--line2", &o.line2}, {"--at2", &o.at2}})
      transform->add_option(name, *into);
    transform->add_option("--mode", mode)->check(CLI::IsMember({"whole", "between", "pinned"}));
  }
};

// What the command needs and did not get.
std::string Missing(const CliOptions& o) {
  if (o.file.empty()) return "no file given";
  if (o.command == "convert" && o.targetType == SubtitleType::None) return "convert needs --to srt or --to sub";
  if (o.IsTimingCommand() && o.output.empty()) return o.command + " needs -o OUT";
  if (o.command == "multiply" && o.factor.empty()) return "multiply needs --factor";
  if (o.command == "shift" && o.amount.empty()) return "shift needs --ms or --frames";
  if (o.command == "fps" && o.targetRate.empty()) return "fps needs --to";
  if (o.command == "transform" && (o.line1.empty() || o.line2.empty() || o.at1.empty() || o.at2.empty()))
    return "transform needs --line1, --at1, --line2 and --at2";
  if (o.command == "transform" && (o.at1.back() == 'f') != (o.at2.back() == 'f'))
    return "--at1 and --at2 must both be times or both be frame numbers";
  return "";
}

}  // namespace

std::optional<CliOptions> ParseArguments(const std::vector<std::string>& args, std::string& why) {
  CliOptions o;
  if (!args.empty() && args[0][0] != '-' && std::find(Commands.begin(), Commands.end(), args[0]) == Commands.end()) {
    why = "unknown command '" + args[0] + "'";
    return std::nullopt;
  }
  Parser parser(o);
  try {
    // CLI11 takes the arguments last first.
    parser.app.parse(std::vector<std::string>(args.rbegin(), args.rend()));
  } catch (const CLI::ParseError& error) {
    why = error.what();
    return std::nullopt;
  }
  const std::vector<CLI::App*> chosen = parser.app.get_subcommands();
  if (chosen.empty()) {
    if (o.help) return o;
    why = "no command given";
    return std::nullopt;
  }
  o.command = chosen.front()->get_name();
  if (o.help) return o;
  if (!parser.rate.empty()) {
    o.frameRate = DecimalReader(parser.rate, -1);
    if (!(o.frameRate >= 1 && o.frameRate <= 60)) {
      why = "the frame rate must be a number from 1 to 60";
      return std::nullopt;
    }
  }
  if (!parser.answer.empty()) o.counterAnswer = parser.answer == "ok" ? Answer::Ok : Answer::Cancel;
  if (!parser.type.empty()) o.targetType = parser.type == "srt" ? SubtitleType::SubRip : SubtitleType::MicroDVD;
  if (!parser.mode.empty())
    o.mode = parser.mode == "whole"     ? TransformMode::Whole
             : parser.mode == "between" ? TransformMode::Between
                                        : TransformMode::PinnedEnds;
  o.amount = parser.ms.empty() ? parser.frames : parser.ms;
  o.amountInFrames = !parser.frames.empty();
  why = Missing(o);
  if (!why.empty()) return std::nullopt;
  return o;
}

}  // namespace tessary
