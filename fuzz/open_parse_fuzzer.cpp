// Feeds arbitrary bytes through the whole open path: the file is opened and parsed as the
// Open command does, then switched to the other type, edited back in, parsed again and
// switched back. The style-mark helpers also get the raw bytes.
//
// The first byte chooses the settings and the answers, the last byte the frame rate; the
// whole input is the file, so real subtitle files work as seeds unchanged.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "document/document.h"
#include "document/style_marks.h"
#include "input_folder.h"
#include "ports/string_editor.h"

using namespace tessary;

namespace {

// Answers every question from the input and shows nothing.
class SilentPrompter : public Prompter {
 public:
  SilentPrompter(bool counterAnswerOk, bool confirmConversion, bool disableWarning)
      : counterAnswerOk_(counterAnswerOk), confirm_(confirmConversion), disable_(disableWarning) {}
  void Show(Icon, std::string_view) override {}
  Answer Ask(Icon, std::string_view, Buttons, Answer) override {
    return counterAnswerOk_ ? Answer::Ok : Answer::Cancel;
  }
  bool ConfirmConversion(bool& disableFurther) override {
    disableFurther = disable_;
    return confirm_;
  }

 private:
  bool counterAnswerOk_, confirm_, disable_;
};

class FixedClock : public Clock {
 public:
  TimePoint Now() const override { return TimePoint{} + std::chrono::days(46000); }
};

// Low, fractional and the usual rates: low rates make the largest millisecond values.
constexpr double FrameRates[] = {1, 1.5, 5, 12.5, 15, 20, 23.976, 23.978, 24, 25, 29.97, 30, 47.952, 50, 59.94, 60};

const std::string& InputPath() {
  static const std::string path = (InputFolder("tessary-fuzz") / "input.txt").string();
  return path;
}

void WriteInput(const std::uint8_t* data, std::size_t size) {
  std::FILE* file = std::fopen(InputPath().c_str(), "wb");
  if (!file) std::abort();
  if (size > 0 && std::fwrite(data, 1, size, file) != size) std::abort();
  std::fclose(file);
}

void Check(bool holds) {
  if (!holds) std::abort();
}

// The helpers keep their stated promises on any text.
void FuzzStyleMarks(const std::string& bytes) {
  std::string text = bytes;
  SubRipToMicroDVD(text);
  text = bytes;
  MicroDVDToSubRip(text);

  text = bytes;
  int removed = RemoveRepeatedOpeningTags(text);
  Check(removed >= 0 && bytes.size() - text.size() == 3 * static_cast<std::size_t>(removed));

  text = bytes;
  removed = TidyLineSeparators(text);
  Check(bytes.size() - text.size() == static_cast<std::size_t>(removed));
  Check(text.empty() || (text.front() != '|' && text.back() != '|'));
  Check(text.find("||") == std::string::npos);
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

void FuzzDocument(const std::uint8_t* data, std::size_t size) {
  WorkingDirectoryGuard keepWorkingDirectory;
  const std::uint8_t control = size > 0 ? data[0] : 0;
  const std::uint8_t rateByte = size > 0 ? data[size - 1] : 0;
  WriteInput(data, size);

  static const MessageTable messages;
  SilentPrompter prompter(control & 4, !(control & 8), control & 16);
  StringEditor editor;
  FixedClock clock;
  Document doc(prompter, editor, clock, messages);
  doc.settings().AdvancedAutomaticRepair = control & 1;
  doc.settings().CommaInSubRip = control & 2;
  doc.SetFrameRate(FrameRates[rateByte % std::size(FrameRates)]);
  doc.OpenFile(InputPath());
  if (!doc.store().SubtitleLoaded || !doc.LastParseSucceeded()) return;

  const SubtitleType type = doc.store().CurrentType;
  const SubtitleType other = type == SubtitleType::SubRip ? SubtitleType::MicroDVD : SubtitleType::SubRip;
  doc.TypeButtonChecked(other);
  doc.EditorTextChanged();
  doc.TextInLines();
  doc.TypeButtonChecked(type);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzStyleMarks(std::string(reinterpret_cast<const char*>(data), size));
  FuzzDocument(data, size);
  return 0;
}
