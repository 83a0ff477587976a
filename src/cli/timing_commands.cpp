#include "timing_commands.h"

#include "operations/time_changes.h"

namespace tessary {

namespace {

// The operation of the command with its parameters read strictly, or the refusal.
struct Reading {
  std::optional<Operation> operation;
  std::string refusal;
};

// Takes a field's value or keeps the first refusal.
template <typename T>
std::optional<T> Take(FieldRead<T> read, const Document& doc, std::string& refusal) {
  if (!read.value && refusal.empty()) refusal = read.refusal.Text(doc.messages());
  return read.value;
}

Reading Read(const CliOptions& o, const Document& doc) {
  FieldContext context = doc.TimingContext();
  std::string why;
  if (o.command == "multiply") {
    if (auto factor = Take(FactorField::Read(o.factor), doc, why)) return {MultiplyParams{*factor}, ""};
  } else if (o.command == "shift") {
    context.unit = o.amountInFrames ? DisplayUnit::Frames : DisplayUnit::Time;
    const bool earlier = o.amount[0] == '-';
    if (auto ms = Take(ShiftField::Read(earlier ? o.amount.substr(1) : o.amount, context), doc, why))
      return {ShiftParams{earlier ? -std::int64_t{*ms} : *ms}, ""};
  } else if (o.command == "fps") {
    if (auto rate = Take(RateField::Read(o.targetRate), doc, why)) return {FrameRateChangeParams{*rate}, ""};
  } else {
    const bool frames = o.at1.back() == 'f';
    context.unit = frames ? DisplayUnit::Frames : DisplayUnit::Time;
    auto point = [&](const PointField& field, const std::string& at) {
      return Take(field.Read(frames ? at.substr(0, at.size() - 1) : at, context), doc, why);
    };
    const auto l1 = Take(LineField::Read(o.line1, context), doc, why);
    const auto p1 = point(doc.timing().firstPoint, o.at1);
    const auto l2 = Take(LineField::Read(o.line2, context), doc, why);
    const auto p2 = point(doc.timing().secondPoint, o.at2);
    if (why.empty()) return {TransformParams{*l1, *p1, *l2, *p2, o.mode}, ""};
  }
  return {std::nullopt, why};
}

// Why the command would do nothing the user asked for on this file.
std::string Pointless(const CliOptions& o, const Document& doc, const Operation& operation) {
  const bool stretch =
      std::holds_alternative<MultiplyParams>(operation) && std::get<MultiplyParams>(operation).factor > 1;
  const bool later = std::holds_alternative<ShiftParams>(operation) && std::get<ShiftParams>(operation).amountMs > 0;
  if ((stretch || later) && AnyTimeAbove(doc.store(), GuardTime))
    return "a time past 27:46:40,000 is not moved later: " + o.command + " changes nothing in this file";
  return "";
}

}  // namespace

bool RunTimingCommand(const CliOptions& o, Document& doc, std::string& refusal) {
  Reading reading = Read(o, doc);
  refusal = reading.operation ? Pointless(o, doc, *reading.operation) : reading.refusal;
  if (!refusal.empty()) return false;
  // A refused decrease offers its largest amount in the unit the amount was given in.
  if (o.command == "shift" && !o.amountInFrames) doc.SelectTimeUnit();
  doc.Run(*reading.operation);
  return true;
}

}  // namespace tessary
