// The folder of a fuzz target's input files.
#pragma once

#include <unistd.h>

#include <filesystem>
#include <string>

// `name`-PID in the temporary folder: one per process, so that parallel jobs do not share it,
// removed when the process ends.
inline const std::filesystem::path& InputFolder(const std::string& name) {
  struct Folder {
    std::filesystem::path path;
    ~Folder() {
      std::error_code ignored;
      std::filesystem::remove_all(path, ignored);
    }
  };
  static const Folder folder{[&] {
    auto path = std::filesystem::temp_directory_path() / (name + "-" + std::to_string(::getpid()));
    std::filesystem::create_directories(path);
    return path;
  }()};
  return folder.path;
}
