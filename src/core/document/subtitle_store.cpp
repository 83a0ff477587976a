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
    Texts.resize(size);
  }
}

void SubtitleStore::ClearEntries() {
  int top = std::max(LineCount, SubtitleCount);
  for (int i = 1; i <= top && i < static_cast<int>(RawLines.size()); ++i) RawLines[i].clear();
  for (int i = 1; i <= top && i < static_cast<int>(Texts.size()); ++i) {
    StartValues[i] = 0;
    EndValues[i] = 0;
    Texts[i].clear();
  }
}

}  // namespace tessary
