#include <cerrno>
#include <cstring>

#include "files/FileAccess.h"

namespace FileAccess {

Replacement::Replacement(std::string path) : path_(std::move(path)), temporary_(path_ + ".partial") {
  problem_ = Replaceable(path_);
  if (!problem_.empty()) return;
  file_ = std::fopen(temporary_.c_str(), "wb");
  if (!file_) problem_ = std::strerror(errno);
  opened_ = file_ != nullptr;
}

Replacement::~Replacement() {
  if (file_) std::fclose(file_);
  if (opened_ && !committed_) std::remove(temporary_.c_str());
}

void Replacement::Write(const std::string& bytes) {
  if (!file_ || !problem_.empty()) return;
  if (std::fwrite(bytes.data(), 1, bytes.size(), file_) != bytes.size()) problem_ = std::strerror(errno);
}

std::string Replacement::Commit() {
  if (file_ && std::fclose(file_) != 0 && problem_.empty()) problem_ = std::strerror(errno);
  file_ = nullptr;
  if (problem_.empty()) problem_ = MoveReplacing(temporary_, path_);
  committed_ = problem_.empty();
  return problem_;
}

}  // namespace FileAccess
