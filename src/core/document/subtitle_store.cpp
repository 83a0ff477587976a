#include "document/subtitle_store.h"

#include <algorithm>

namespace tessary {

void SubtitleStore::EnsureLines(int n) {
  if (static_cast<int>(RawLines.size()) <= n) RawLines.resize(static_cast<std::size_t>(n) + 1);
}

void SubtitleStore::EnsureSubtitles(int n) {
  auto size = static_cast<std::size_t>(n) + 1;
  if (StartValues.size() < size) {
    StartValues.resize(size, 0);
    EndValues.resize(size, 0);
  }
  // The texts may have taken the lines' places, which leaves them more entries.
  if (Texts.size() < size) Texts.resize(size);
}

void SubtitleStore::ClearEntries() {
  int top = std::max(LineCount, SubtitleCount);
  for (int i = 1; i <= top && i < static_cast<int>(RawLines.size()); ++i) RawLines[i].clear();
  for (int i = 1; i <= top && i < static_cast<int>(StartValues.size()); ++i) StartValues[i] = EndValues[i] = 0;
  for (int i = 1; i <= top && i < static_cast<int>(Texts.size()); ++i) std::string().swap(Texts[i]);
}

}  // namespace tessary
