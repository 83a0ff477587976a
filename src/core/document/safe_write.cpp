#include "document/safe_write.h"

#include <atomic>
#include <chrono>
#include <filesystem>
#include <fstream>

namespace tessary {

namespace fs = std::filesystem;

bool WriteFileSafely(const std::string& path, std::string_view bytes) {
  static std::atomic<unsigned> counter{0};
  const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
  const std::string temporary =
      path + ".tessary-" + std::to_string(stamp) + "-" + std::to_string(counter++) + ".tmp";
  {
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    if (!out) return false;
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.flush();
    if (!out) {
      out.close();
      std::error_code ignored;
      fs::remove(temporary, ignored);
      return false;
    }
  }
  std::error_code ec;
  fs::rename(temporary, path, ec);
  if (ec) {
    std::error_code ignored;
    fs::remove(temporary, ignored);
    return false;
  }
  return true;
}

}  // namespace tessary
