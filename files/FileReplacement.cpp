#include "files/FileAccess.h"

namespace FileAccess {

namespace {

// Bytes are handed to the system in pieces of about this size.
constexpr std::size_t kPiece = 1u << 20;

}  // namespace

void Replacement::Write(const std::string& bytes) {
  if (!problem_.empty() || committed_) return;
  if (bytes.size() >= kPiece) {
    // Large pieces go out as they are, not copied.
    Flush();
    WriteNow(bytes);
    return;
  }
  pending_ += bytes;
  if (pending_.size() >= kPiece) Flush();
}

void Replacement::Flush() {
  WriteNow(pending_);
  pending_.clear();
}

void Replacement::Fail(const std::string& reason) {
  if (problem_.empty()) problem_ = reason;
}

std::string WriteReplacing(const std::string& path, const std::string& bytes) {
  Replacement file(path);
  file.Write(bytes);
  return file.Commit();
}

}  // namespace FileAccess
