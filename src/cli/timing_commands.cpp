#include "timing_commands.h"

#include "document/units.h"

namespace tessary {

namespace {

// Types `text` into a field and leaves it. Returns false when the field did not take the
// text as given (it shows its value in force again).
bool Type(Document& doc, TimingField field, const std::string& text) {
  doc.FieldChanged(field, text);
  doc.FieldExit(field);
  const std::string& shown = doc.FieldText(field);
  // A second point of frame 0 is shown as frame 1.
  return shown == text || (field == TimingField::SecondPoint && text == "0" && shown == "1");
}

}  // namespace

bool RunTimingCommand(const CliOptions& o, Document& doc, const CliPrompter& prompter, std::string& why) {
  const int errors = prompter.Errors();
  auto refused = [&] { return prompter.Errors() != errors; };
  if (o.command == "multiply") {
    Type(doc, TimingField::MultiplyValue, o.factor);
    if (refused()) return false;
    doc.Run(MultiplyParams{doc.MultiplyValue});
  } else if (o.command == "shift") {
    if (o.amountInFrames)
      doc.SelectFramesUnit();
    else
      doc.SelectTimeUnit();
    const bool decrease = o.amount[0] == '-';
    if (!Type(doc, TimingField::IncreaseDecreaseValue, decrease ? o.amount.substr(1) : o.amount) && !refused()) {
      why = "the amount " + o.amount + " is longer than the field takes";
      return false;
    }
    if (refused()) return false;
    if (decrease)
      doc.Run(ShiftParams{-std::int64_t{doc.ShiftValue}});
    else
      doc.Run(ShiftParams{doc.ShiftValue});
  } else if (o.command == "fps") {
    Type(doc, TimingField::ChangeFrameRate, o.targetRate);
    // The box takes 5 to 60 and silently keeps its rate otherwise.
    if (doc.TargetFrameRate != DecimalReader(o.targetRate, -1)) {
      why = "--to takes a frame rate from 5 to 60";
      return false;
    }
    doc.Run(FrameRateChangeParams{doc.TargetFrameRate});
  } else if (o.command == "transform") {
    const bool frames = o.at1.back() == 'f';
    if (frames)
      doc.SelectFramesUnit();
    else
      doc.SelectTimeUnit();
    doc.EntireMode = o.mode;
    const std::string at1 = frames ? o.at1.substr(0, o.at1.size() - 1) : o.at1;
    const std::string at2 = frames ? o.at2.substr(0, o.at2.size() - 1) : o.at2;
    Type(doc, TimingField::FirstLine, o.line1);
    Type(doc, TimingField::SecondLine, o.line2);
    if (!Type(doc, TimingField::FirstPoint, at1) || !Type(doc, TimingField::SecondPoint, at2)) {
      why = frames ? "--at1 and --at2 take frame numbers of at most 6 and 7 digits followed by f"
                   : "--at1 and --at2 take times written hh:mm:ss,zzz";
      return false;
    }
    doc.Run(TransformParams{doc.FirstPointLine, doc.FirstPointValue, doc.SecondPointLine, doc.SecondPointValue,
                            doc.EntireMode});
  }
  return !refused();
}

}  // namespace tessary
