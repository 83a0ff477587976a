// Writing a file so that it is never left half-written.
#pragma once

#include <string>
#include <string_view>

namespace tessary {

// Writes `bytes` to a temporary file in the folder of `path` and renames it into place.
// Returns false (and leaves `path` as it was) when any step fails.
bool WriteFileSafely(const std::string& path, std::string_view bytes);

}  // namespace tessary
