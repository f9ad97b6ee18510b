#pragma once

#include <cstdio>
#include <string>

// Whole files, read and written at once. A file is written beside its
// place under a name of its own and then put in place in one step, so that
// a failure part-way leaves the file that was there whole.
namespace FileAccess {

// The largest file that is read, so that a stray huge file cannot take
// the memory.
constexpr std::size_t kReadLimit = 64u << 20;

// Empty when all went well; else what the system gave as the reason.
std::string WriteReplacing(const std::string& path, const std::string& bytes);
std::string Read(const std::string& path, std::string& bytes);

// Why a file cannot be put at `path` (a read-only file or a folder there),
// or empty.
std::string Replaceable(const std::string& path);
// Puts the file `from` in place of `path` in one step; empty on success.
std::string MoveReplacing(const std::string& from, const std::string& path);

// A file too large to hold whole, written piece by piece beside its place
// and put in place by Commit; left uncommitted, it changes nothing.
class Replacement {
 public:
  explicit Replacement(std::string path);
  Replacement(const Replacement&) = delete;
  Replacement& operator=(const Replacement&) = delete;
  ~Replacement();

  // Why the file cannot be written, once something failed; else empty.
  const std::string& Problem() const { return problem_; }
  void Write(const std::string& bytes);
  // Puts the file in place; empty on success, else the reason.
  std::string Commit();

 private:
  std::string path_;
  std::string temporary_;
  std::FILE* file_ = nullptr;
  bool opened_ = false;
  bool committed_ = false;
  std::string problem_;
};

}  // namespace FileAccess
