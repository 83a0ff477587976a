// Drives the timing operations as the window does: a subtitle is opened, then a short
// script of user actions runs on it (typing into the timing fields, the unit and type
// buttons, the transform mode, the operation buttons, "Mark the line number", editing and
// verifying the text, the frame-rate box), and the document's promises are checked after
// every action; a broken one aborts.
//
// Input layout: byte 0 the settings (bit 0 a ".srt" file name, bit 1 advanced repair, bit 2
// comma in SubRip, bit 7 press controls the window would have disabled), byte 1 the frame
// rate, byte 2 the number of actions; the last byte is the length N of the script, which is
// the N bytes before it; the subtitle file is what lies between. The prompter's answers
// come from the script too.
//
// Going on past a known finding: TESSARY_TIMING_FUZZ_SKIP lists letters of kinds of actions
// to leave out (kActions) and of checks to leave out or of findings to set aside (the
// capitals at the checks); after the kinds of actions listed in
// TESSARY_TIMING_FUZZ_STOP_AFTER ('o' is the open) a text that does not show the store or
// is not a fixed point of the parse ends the session quietly. TESSARY_TIMING_FUZZ_TRACE
// prints what every action did.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "commands/command_table.h"
#include "document/document.h"
#include "document/render.h"
#include "document/units.h"
#include "input_folder.h"
#include "ports/string_editor.h"

using namespace tessary;

namespace {

// The script's bytes; past its end every byte reads as 0.
class Script {
 public:
  Script(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
  std::uint8_t Byte() { return at_ < size_ ? data_[at_++] : 0; }
  std::size_t Below(std::size_t bound) { return bound == 0 ? 0 : Byte() % bound; }
  bool Bit() { return Byte() & 1; }
  bool Exhausted() const { return at_ >= size_; }
  std::size_t Position() const { return at_; }
  std::size_t Size() const { return size_; }

 private:
  const std::uint8_t* data_;
  std::size_t size_, at_ = 0;
};

struct Shown {
  Icon icon;
  std::string text;
};

// Answers from the script and keeps what it was shown since it was last cleared.
class ScriptPrompter : public Prompter {
 public:
  explicit ScriptPrompter(Script* script) : script_(script) {}
  void Show(Icon icon, std::string_view text) override { shown.push_back({icon, std::string(text)}); }
  Answer Ask(Icon icon, std::string_view text, Buttons buttons, Answer defaultAnswer) override {
    shown.push_back({icon, std::string(text)});
    if (!script_) return defaultAnswer;
    const bool first = script_->Bit();
    switch (buttons) {
      case Buttons::Ok:
        return Answer::Ok;
      case Buttons::OkCancel:
        return first ? Answer::Ok : Answer::Cancel;
      default:
        return first ? Answer::Yes : Answer::No;
    }
  }
  bool ConfirmConversion(bool& disableFurther) override {
    const std::uint8_t b = script_ ? script_->Byte() : 1;
    disableFurther = b & 2;
    return b & 1;
  }
  bool Any(Icon icon) const {
    for (const auto& m : shown)
      if (m.icon == icon) return true;
    return false;
  }
  bool AnyStartingWith(const std::string& prefix) const {
    for (const auto& m : shown)
      if (m.text.starts_with(prefix)) return true;
    return false;
  }

  std::vector<Shown> shown;

 private:
  Script* script_;
};

class FixedClock : public Clock {
 public:
  TimePoint Now() const override { return TimePoint{} + std::chrono::days(46000); }
};

const MessageTable& Messages() {
  static const MessageTable table;
  return table;
}

// Every whole rate the box takes, and the usual fractional ones.
const std::vector<double>& FrameRates() {
  static const std::vector<double> rates = [] {
    std::vector<double> r;
    for (int i = 1; i <= 60; ++i) r.push_back(i);
    for (double f : {23.976, 23.978, 29.97, 59.94, 47.952, 12.5, 1.5}) r.push_back(f);
    return r;
  }();
  return rates;
}

// Which kinds of actions and checks are left out (TESSARY_TIMING_FUZZ_SKIP).
bool Skipped(char kind) {
  static const std::string skip = [] {
    const char* env = std::getenv("TESSARY_TIMING_FUZZ_SKIP");
    return std::string(env ? env : "");
  }();
  return skip.find(kind) != std::string::npos;
}

// After the kinds of actions listed in TESSARY_TIMING_FUZZ_STOP_AFTER ('o' is the open), a
// text that does not show the store or is not a fixed point of the parse ends the session
// quietly, so that fuzzing goes on past a finding already made.
bool StopsAfter(char kind) {
  static const std::string kinds = [] {
    const char* env = std::getenv("TESSARY_TIMING_FUZZ_STOP_AFTER");
    return std::string(env ? env : "");
  }();
  return kinds.find(kind) != std::string::npos;
}

// TESSARY_TIMING_FUZZ_TRACE prints every action, its messages and the text, to study a finding.
bool Tracing() {
  static const bool trace = std::getenv("TESSARY_TIMING_FUZZ_TRACE") != nullptr;
  return trace;
}

// The text with every byte that is not printable ASCII written as \xNN, one line a line.
std::string Printable(std::string_view text) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto c = static_cast<unsigned char>(text[i]);
    if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
      out += "\n";
      ++i;
    } else if (c >= 0x20 && c < 0x7F) {
      out += static_cast<char>(c);
    } else {
      char hex[8];
      std::snprintf(hex, sizeof hex, "\\x%02X", c);
      out += hex;
    }
  }
  return out;
}

void Check(bool holds, const char* what) {
  if (holds) return;
  std::fprintf(stderr, "timing_fuzzer: broken: %s\n", what);
  std::abort();
}

// One file per extension.
std::string InputPath(bool subRip) {
  return (InputFolder("tessary-timing-fuzz") / (subRip ? "input.srt" : "input.sub")).string();
}

void WriteInput(const std::string& path, const std::uint8_t* data, std::size_t size) {
  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (!file) std::abort();
  if (size > 0 && std::fwrite(data, 1, size, file) != size) std::abort();
  std::fclose(file);
}

// Opening makes the file's folder the working directory; libFuzzer's relative paths
// (corpus folders, artifacts) need the one it started in.
struct WorkingDirectoryGuard {
  std::filesystem::path saved = std::filesystem::current_path();
  ~WorkingDirectoryGuard() {
    std::error_code ec;
    std::filesystem::current_path(saved, ec);
  }
};

// A character a user might type: mostly what the fields take, sometimes any input byte.
char TypedChar(Script& script) {
  static constexpr std::string_view Usual = "0123456789,.:-";
  const std::uint8_t b = script.Byte();
  return b < 0xC0 ? Usual[b % Usual.size()] : static_cast<char>(script.Byte());
}

// A character of a subtitle line someone edits by hand.
char EditedChar(Script& script) {
  static constexpr std::string_view Usual = "0123456789:,.-> {}|<>/iby\t";
  const std::uint8_t b = script.Byte();
  return b < 0xD0 ? Usual[b % Usual.size()] : static_cast<char>(script.Byte());
}

std::vector<std::string> SplitCrLf(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t from = 0;
  for (;;) {
    std::size_t at = text.find("\r\n", from);
    lines.push_back(text.substr(from, at == std::string::npos ? std::string::npos : at - from));
    if (at == std::string::npos) break;
    from = at + 2;
  }
  return lines;
}

std::string JoinCrLf(const std::vector<std::string>& lines) {
  std::string out;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (i) out += "\r\n";
    out += lines[i];
  }
  return out;
}

// What the store looks like to the user; the operations that refuse must leave it so.
struct StoreImage {
  std::vector<std::int32_t> starts, ends;
  std::vector<std::string> texts;
  int count = 0, changes = 0, reported = 0;

  explicit StoreImage(const SubtitleStore& s)
      : count(s.SubtitleCount), changes(s.ChangeCount), reported(s.ReportedChangeCount) {
    for (int i = 1; i <= s.SubtitleCount; ++i) {
      starts.push_back(s.StartValues[i]);
      ends.push_back(s.EndValues[i]);
      texts.push_back(s.Texts[i]);
    }
  }
  bool operator==(const StoreImage&) const = default;
};

struct Session {
  Script& script;
  ScriptPrompter& prompter;
  StringEditor& editor;
  Document& doc;
  bool gated;                       // controls are pressed only while the window enables them
  bool strictReparse = true;        // the last action promises a text that parses to itself
  bool keepsSubFrameTimes = false;  // the last action maps times without making them frames
  char lastAction = 'o';            // the kind of the last action; 'o' is the open
  std::string lastCheckedText;      // the text last parsed again

  bool SubtitleControls() const { return !gated || CommandUsable(doc, CommandId::Multiply); }

  // --- actions ---

  void TypeIntoField() {
    TimingFields& t = doc.timing();
    TypedField* const fields[] = {&t.factor,     &t.shift,       &t.firstLine, &t.firstPoint,
                                  &t.secondLine, &t.secondPoint, &t.targetRate};
    TypedField& field = *fields[script.Below(std::size(fields))];
    const std::uint8_t how = script.Byte();
    const std::size_t length = script.Below(14);
    const bool lineField = &field == &t.firstLine || &field == &t.secondLine;
    if (&field == &t.targetRate) {
      if (gated && !CommandUsable(doc, CommandId::ChangeFrameRate)) return;
    } else if (!lineField && !SubtitleControls()) {
      return;
    }
    const bool paste = how & 1, replace = how & 2;
    if (paste) {
      std::string text = replace ? std::string() : field.Text();
      for (std::size_t i = 0; i < length; ++i) text += TypedChar(script);
      field.Changed(text, doc.TimingContext());
    } else {
      for (std::size_t i = 0; i < length; ++i) {
        const char key = TypedChar(script);
        const bool selection = replace && i == 0;
        if (!field.AcceptsKey(key, selection, doc.TimingContext())) continue;
        std::string next = selection ? std::string() : field.Text();
        next += key;
        field.Changed(next, doc.TimingContext());
      }
    }
    if (how & 4) {
      field.Escape(doc.TimingContext());
    } else {
      if (auto refusal = field.Exit(doc.TimingContext())) doc.Show(Icon::Error, refusal->Text(doc.messages()));
      CheckFieldAfterExit(field);
      // Enter in the target-rate box also presses "Do it".
      if (&field == &t.targetRate && (how & 8)) PressChangeFrameRate();
    }
  }

  void SwitchUnit() {
    const bool time = script.Bit();
    if (!SubtitleControls()) return;
    time ? doc.SelectTimeUnit() : doc.SelectFramesUnit();
  }

  void SwitchType() {
    const SubtitleType type = script.Bit() ? SubtitleType::SubRip : SubtitleType::MicroDVD;
    if (!SubtitleControls()) return;
    keepsSubFrameTimes = true;
    doc.TypeButtonChecked(type);
  }

  void SetTransformMode() {
    static constexpr TransformMode Modes[] = {TransformMode::Between, TransformMode::Whole, TransformMode::PinnedEnds};
    const TransformMode mode = Modes[script.Below(3)];
    if (!SubtitleControls()) return;
    doc.SetEntireMode(mode);
  }

  void PressChangeFrameRate() {
    if (gated && !(CommandUsable(doc, CommandId::ChangeFrameRate))) return;
    strictReparse = false;
    keepsSubFrameTimes = true;
    doc.Run(FrameRateChangeParams{doc.timing().targetRate.Target()});
  }

  void PressButton() {
    const std::size_t which = script.Below(5);
    if (which == 3) return PressChangeFrameRate();
    if (!SubtitleControls()) return;
    const StoreImage before(doc.store());
    prompter.shown.clear();
    switch (which) {
      case 0:
        strictReparse = false;
        keepsSubFrameTimes = true;
        doc.Run(MultiplyParams{doc.timing().factor.Value()});
        break;
      case 1:
        strictReparse = false;
        keepsSubFrameTimes = true;
        doc.Run(ShiftParams{doc.timing().shift.Value()});
        break;
      case 2:
        strictReparse = false;
        keepsSubFrameTimes = true;
        doc.Run(ShiftParams{-std::int64_t{doc.timing().shift.Value()}});
        break;
      default:
        doc.Run(TransformParams{doc.timing().firstLine.Value(), doc.timing().firstPoint.Value(),
                                doc.timing().secondLine.Value(), doc.timing().secondPoint.Value(), doc.EntireMode()});
        CheckAfterTransform(before);
        break;
    }
    // A refused operation changes nothing.
    if (prompter.Any(Icon::Error) && !Skipped('R'))
      Check(StoreImage(doc.store()) == before, "a refused operation changed the store");
  }

  void MarkLine() {
    const std::size_t high = script.Byte(), low = script.Byte();
    const int point = script.Bit() ? 2 : 1;
    editor.SetCaretPosition(((high << 8) | low) % (editor.Text().size() + 1));
    doc.MarkLineNumber(point);
    // It acts only on a verified text with subtitles.
    const auto& s = doc.store();
    if (!s.SubtitleLoaded || s.SubtitleCount < 1 || doc.AwaitsVerification() || Skipped('L')) return;
    const LineField& field = point == 2 ? doc.timing().secondLine : doc.timing().firstLine;
    const std::int32_t line = field.Value();
    Check(field.Text() == std::to_string(line), "a marked line field does not show its number");
    Check(line >= 1 && line <= s.SubtitleCount, "a marked line is not a subtitle");
  }

  void EditText() {
    std::vector<std::string> lines = SplitCrLf(editor.Text());
    const std::size_t kind = script.Below(4);
    const std::size_t at = script.Below(lines.size() + 1);
    const std::size_t length = script.Below(32);
    std::string typed;
    for (std::size_t i = 0; i < length; ++i) typed += EditedChar(script);
    switch (kind) {
      case 0:  // replace a line
        if (at < lines.size())
          lines[at] = typed;
        else
          lines.push_back(typed);
        break;
      case 1:  // delete a line
        if (at < lines.size() && lines.size() > 1) lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(at));
        break;
      case 2:  // insert a line
        lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(at), typed);
        break;
      default:  // overwrite a few characters of a line
        if (at < lines.size() && !lines[at].empty()) {
          std::string& line = lines[at];
          const std::size_t from = (length * 7) % line.size();
          line.replace(from, std::min(typed.size(), line.size() - from), typed);
        }
        break;
    }
    const bool verify = script.Byte() < 0xC0;
    editor.SetText(JoinCrLf(lines));
    editor.SetCaretPosition(at * 13);
    doc.EditorTextChanged();
    if (verify) doc.TextInLines();
  }

  void Verify() {
    if (gated && !doc.AwaitsVerification()) return;
    doc.TextInLines();
  }

  void FrameRateBox() {
    const std::uint8_t how = script.Byte();
    if (!SubtitleControls()) return;
    if (how & 1) {
      // A rate chosen from the list.
      static constexpr const char* Items[] = {"15", "20", "23.976", "23.978", "24", "25", "29.97", "30"};
      doc.FrameRateTextChanged(Items[script.Below(std::size(Items))]);
    } else {
      const std::size_t length = script.Below(8);
      for (std::size_t i = 0; i < length; ++i) {
        std::string next = i == 0 && (how & 2) ? std::string() : doc.fields().FrameRateText;
        next += TypedChar(script);
        doc.FrameRateTextChanged(next);
      }
    }
    if (how & 4) {
      doc.FrameRateCancel();
    } else {
      strictReparse = false;
      doc.FrameRateCommit();
    }
  }

  // --- checks ---

  void CheckFieldAfterExit(const TypedField& field) {
    if (Skipped('F')) return;
    const TimingFields& t = doc.timing();
    if (&field == &t.factor) {
      Check(t.factor.Value() >= 0.5 && t.factor.Value() <= 2.0, "factor out of range after leaving its field");
      Check(t.factor.Text() == GeneralDecimal(t.factor.Value()), "factor field does not show the factor");
    } else if (&field == &t.shift) {
      Check(t.shift.Value() >= 0 && t.shift.Value() <= 10000000, "amount out of range after leaving its field");
    } else if (&field == &t.firstLine || &field == &t.secondLine) {
      const auto& line = static_cast<const LineField&>(field);
      Check(line.Text() == std::to_string(line.Value()), "a line field does not show its number");
    } else if (&field == &t.targetRate) {
      Check(t.targetRate.Target() >= 5 && t.targetRate.Target() <= 60,
            "target rate out of range after leaving its box");
    } else if (doc.LastParseSucceeded()) {
      // A failed parse may leave a MicroDVD -1 in the points; the fields are disabled then.
      Check(t.firstPoint.Value() >= 0 && t.secondPoint.Value() >= 0, "a transform point is negative");
    }
  }

  void CheckAfterTransform(const StoreImage& before) {
    if (Skipped('T')) return;
    const auto& s = doc.store();
    if (prompter.AnyStartingWith(doc.Text(Msg::IveMade))) {
      // The repair promises a consistent subtitle.
      Check(s.SubtitleCount >= 1, "a transform left no subtitle");
      for (int i = 1; i <= s.SubtitleCount; ++i) {
        Check(s.StartValues[i] >= 0 && s.StartValues[i] < s.EndValues[i],
              "a transformed subtitle does not start before it ends");
        if (i < s.SubtitleCount) Check(s.EndValues[i] <= s.StartValues[i + 1], "transformed subtitles overlap");
      }
    } else if (!prompter.AnyStartingWith(doc.Text(Msg::NoChange))) {
      Check(StoreImage(s) == before, "a transform that reported nothing changed the store");
    }
  }

  // The text the editing area shows for the store.
  std::string Rendered() const {
    return Render(doc.store(), doc.store().CurrentType, doc.FrameRate(), doc.settings().CommaInSubRip);
  }

  // An empty text, or one equal to the next one that starts as it ends: the parse drops or
  // merges them. The conversion of style marks may leave either: a text of unknown tags only,
  // or two texts whose marks differ in the one notation and not in the other.
  bool HasTextToRepair() const {
    const auto& s = doc.store();
    for (int i = 1; i <= s.SubtitleCount; ++i) {
      if (s.Texts[i].empty()) return true;
      if (i < s.SubtitleCount && s.Texts[i] == s.Texts[i + 1] && s.EndValues[i] == s.StartValues[i + 1]) return true;
    }
    return false;
  }

  bool ShowsNothing() const {
    for (int i = 1; i <= doc.store().SubtitleCount; ++i)
      if (!doc.store().Texts[i].empty()) return false;
    return true;
  }

  // Subtitles that end when they start, or after the next one starts, or meet an equal next
  // one: in MicroDVD as frames, in SubRip as times (where the type switch carried them over).
  bool HasFrameCollision() const {
    const auto& s = doc.store();
    if (s.CurrentType != SubtitleType::MicroDVD && s.CurrentType != SubtitleType::SubRip) return false;
    auto frame = [&](std::int32_t ms) {
      return s.CurrentType == SubtitleType::MicroDVD ? MsToFrames(ms, doc.FrameRate()) : std::int64_t{ms};
    };
    for (int i = 1; i <= s.SubtitleCount; ++i) {
      if (frame(s.StartValues[i]) >= frame(s.EndValues[i])) return true;
      if (i < s.SubtitleCount && frame(s.EndValues[i]) > frame(s.StartValues[i + 1])) return true;
      if (i < s.SubtitleCount && frame(s.EndValues[i]) == frame(s.StartValues[i + 1]) && s.Texts[i] == s.Texts[i + 1])
        return true;
    }
    return false;
  }

  // Parses `text` in a second document, whose messages nobody answers, as the Verify button
  // would. Returns false when the text is not a fixed point of the parse for a reason that is
  // no fault, or after an action whose findings are set aside (TESSARY_TIMING_FUZZ_STOP_AFTER).
  bool CheckReparse(const std::string& text) const {
    ScriptPrompter quiet(nullptr);
    StringEditor otherEditor;
    FixedClock clock;
    Document other(quiet, otherEditor, clock, Messages());
    other.TakeLoadedStateOf(doc);
    otherEditor.SetText(text);
    other.TextInLines();
    const bool same = otherEditor.Text() == text && other.store().ChangeCount == 0;
    if (Tracing() && (!same || !other.LastParseSucceeded())) {
      std::fprintf(stderr, "   parsed again:\n%s\n", Printable(otherEditor.Text()).c_str());
      for (const auto& m : quiet.shown) std::fprintf(stderr, "   message: %s\n", m.text.c_str());
    }
    // Without the promise a parse may still mend the text, but it must say so: a text that
    // changes with no change counted has been misread.
    const bool mendedOpenly = same || other.store().ChangeCount > 0;
    const bool parsed = other.LastParseSucceeded() && !quiet.Any(Icon::Error);
    if (parsed && (strictReparse ? same : mendedOpenly)) return true;
    if (StopsAfter(lastAction)) return false;
    // MicroDVD cannot show less than a frame: times closer than a frame, which the operations
    // and the type switch keep as they map them, may meet or cross as frames, and the switch
    // to SubRip carries such frames over as times. The parse lengthens or merges them, or
    // shows where they are, openly.
    if (keepsSubFrameTimes && mendedOpenly && HasFrameCollision()) return false;
    // A text the parse refuses as a whole, saying so and changing nothing: the share of
    // non-text bytes and the lines a SubRip subtitle takes on average are limits that its
    // writing in one notation may pass and in the other not, and a text whose subtitles all
    // show nothing has no type to detect.
    if (quiet.AnyStartingWith(doc.Text(Msg::NotText)) || quiet.AnyStartingWith(doc.Text(Msg::TooFewLines)) ||
        (ShowsNothing() && quiet.AnyStartingWith(doc.Text(Msg::UnknownType))))
      return false;
    if (parsed && mendedOpenly && HasTextToRepair()) return false;
    Check(other.LastParseSucceeded(), "the rendered text does not parse");
    Check(!quiet.Any(Icon::Error), "parsing the rendered text shows a problem");
    if (strictReparse && !Skipped('S')) Check(same, "the rendered text does not parse to itself unchanged");
    Check(mendedOpenly, "parsing the rendered text changes it without counting a change");
    return true;
  }

  // Returns false when the session is to stop (see CheckReparse).
  bool CheckInvariants() {
    const auto& s = doc.store();
    Check(doc.FrameRate() >= 1 && doc.FrameRate() <= 60 && doc.CommittedFrameRate() >= 1 &&
              doc.CommittedFrameRate() <= 60,
          "frame rate out of range");
    Check(doc.timing().factor.LastValid() >= 0.5 && doc.timing().factor.LastValid() <= 2.0,
          "last valid factor out of range");
    Check(doc.timing().shift.LastValid() >= 0 && doc.timing().shift.LastValid() <= 10000000,
          "last valid amount out of range");
    Check(doc.timing().targetRate.Target() >= 5 && doc.timing().targetRate.Target() <= 60, "target rate out of range");

    if (!s.SubtitleLoaded) return true;
    // -1, the mark of a MicroDVD time not given, may stay only after a failed parse (the
    // repair fills it or fails): after a good one every time is 0..2147483647.
    if (doc.LastParseSucceeded() && !Skipped('V')) {
      for (int i = 1; i <= s.SubtitleCount; ++i)
        Check(s.StartValues[i] >= 0 && s.EndValues[i] >= 0, "a time below its range");
    }
    // The editing area shows the store while no unverified edit is pending.
    if (doc.LastParseSucceeded() && !doc.AwaitsVerification() && !Skipped('E')) {
      const std::string& text = editor.Text();
      if (Rendered() != text) {
        if (StopsAfter(lastAction)) return false;
        Check(false, "the editing area does not show the store");
      }
      // A parse that kept no subtitle leaves an empty text, which is not verified again.
      // The text is parsed again only when the action changed it: a text that an action
      // without that promise left is not held to it by the next one.
      if (s.SubtitleCount > 0 && text != lastCheckedText && !Skipped('P')) {
        if (!CheckReparse(text)) return false;
        lastCheckedText = text;
      }
    }
    return true;
  }
};

// The kinds of actions, each with a letter for TESSARY_TIMING_FUZZ_SKIP.
constexpr char kActions[] = {'f', 'u', 't', 'm', 'b', 'k', 'e', 'v', 'r'};

void RunSession(const std::uint8_t* data, std::size_t size) {
  if (size < 4) return;
  WorkingDirectoryGuard keepWorkingDirectory;
  const std::uint8_t control = data[0];
  const double rate = FrameRates()[data[1] % FrameRates().size()];
  const int actions = 1 + data[2] % 30;
  const std::size_t scriptLength = std::min<std::size_t>(data[size - 1], size - 4);
  const std::uint8_t* file = data + 3;
  const std::size_t fileSize = size - 4 - scriptLength;
  Script script(file + fileSize, scriptLength);

  const bool subRip = control & 1;
  const std::string path = InputPath(subRip);
  WriteInput(path, file, fileSize);

  ScriptPrompter prompter(&script);
  StringEditor editor;
  FixedClock clock;
  Document doc(prompter, editor, clock, Messages());
  doc.settings().AdvancedAutomaticRepair = control & 2;
  doc.settings().CommaInSubRip = control & 4;
  doc.settings().AutomaticSave = false;
  doc.SetFrameRate(rate);
  doc.OpenFile(path);
  if (!doc.store().SubtitleLoaded) return;

  Session session{script, prompter, editor, doc, !(control & 0x80), true, false, 'o', {}};
  if (Tracing()) {
    std::fprintf(stderr, "-- opened at %g fps\n", rate);
    for (const auto& m : prompter.shown) std::fprintf(stderr, "   message: %s\n", m.text.c_str());
    std::fprintf(stderr, "   text:\n%s\n", Printable(editor.Text()).c_str());
  }
  if (!session.CheckInvariants()) return;
  for (int step = 0; step < actions && !script.Exhausted(); ++step) {
    const char kind = kActions[script.Below(std::size(kActions))];
    if (Skipped(kind)) continue;
    prompter.shown.clear();
    session.strictReparse = true;
    session.keepsSubFrameTimes = false;
    session.lastAction = kind;
    switch (kind) {
      case 'f':
        session.TypeIntoField();
        break;
      case 'u':
        session.SwitchUnit();
        break;
      case 't':
        session.SwitchType();
        break;
      case 'm':
        session.SetTransformMode();
        break;
      case 'b':
        session.PressButton();
        break;
      case 'k':
        session.MarkLine();
        break;
      case 'e':
        session.EditText();
        break;
      case 'v':
        session.Verify();
        break;
      case 'r':
        session.FrameRateBox();
        break;
    }
    if (Tracing()) {
      std::fprintf(stderr, "-- action %c (script %zu/%zu)\n", kind, script.Position(), script.Size());
      for (const auto& m : prompter.shown) std::fprintf(stderr, "   message: %s\n", m.text.c_str());
      std::fprintf(stderr, "   text:\n%s\n", Printable(editor.Text()).c_str());
      std::fprintf(stderr,
                   "   rate %g committed %g target %g unit %s; factor %g amount %d; points %lld %lld lines %d %d\n",
                   doc.FrameRate(), doc.CommittedFrameRate(), doc.timing().targetRate.Target(),
                   doc.Unit() == DisplayUnit::Time ? "time" : "frames", doc.timing().factor.Value(),
                   doc.timing().shift.Value(), static_cast<long long>(doc.timing().firstPoint.Value()),
                   static_cast<long long>(doc.timing().secondPoint.Value()), doc.timing().firstLine.Value(),
                   doc.timing().secondLine.Value());
      std::fprintf(stderr, "   times:");
      for (int i = 1; i <= doc.store().SubtitleCount; ++i)
        std::fprintf(stderr, " %d-%d", doc.store().StartValues[i], doc.store().EndValues[i]);
      std::fprintf(stderr, "\n");
    }
    if (!session.CheckInvariants()) return;
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  RunSession(data, size);
  return 0;
}
