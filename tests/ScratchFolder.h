#pragma once

#include <filesystem>
#include <random>
#include <stdexcept>
#include <string>
#include <system_error>

// A folder of one test's own, removed on every way out of the test but a
// crash. Its name is fresh and taken exclusively, so that two runs of the
// suite at once (two build trees, or mutants tested side by side) never
// share one.
class ScratchFolder {
 public:
  explicit ScratchFolder(const std::string& prefix)
      : path_(std::filesystem::temp_directory_path() / (prefix + std::to_string(std::random_device()()))) {
    // False where another run has that name: this one does not share it.
    if (!std::filesystem::create_directory(path_)) throw std::runtime_error("taken: " + path_.string());
  }
  ~ScratchFolder() { std::filesystem::remove_all(path_, ignored_); }
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;

  const std::filesystem::path& path() const { return path_; }

 private:
  std::filesystem::path path_;
  std::error_code ignored_;  // a folder that cannot be removed is left, not thrown from a destructor
};
