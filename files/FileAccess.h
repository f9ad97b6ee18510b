#pragma once

#include <cstddef>
#include <memory>
#include <string>

// Whole files, read and written at once, and the rules every file the
// program writes follows:
// - a regular file is replaced whole or not at all: the new bytes go to a
//   temporary file beside it, under a fresh name created exclusively, which
//   is then put in its place in one step; a read-only file stays as it is;
// - a path that names a device or a pipe is written in place, and every
//   error it gives is reported;
// - a symbolic link stays a link: the file it leads to is replaced;
// - a temporary file never outlives the program (see TemporaryFiles).
namespace FileAccess {

// The largest file that is read, so that a stray huge file cannot take
// the memory.
constexpr std::size_t kReadLimit = 64u << 20;

// Empty when all went well; else what the system gave as the reason.
std::string WriteReplacing(const std::string& path, const std::string& bytes);
std::string Read(const std::string& path, std::string& bytes);

// A file written piece by piece and put in place by Commit; left
// uncommitted, it changes nothing (a device or pipe keeps what was
// written to it).
class Replacement {
 public:
  explicit Replacement(const std::string& path);
  Replacement(const Replacement&) = delete;
  Replacement& operator=(const Replacement&) = delete;
  ~Replacement();

  // Why the file cannot be written, once something failed; else empty.
  const std::string& Problem() const { return problem_; }
  void Write(const std::string& bytes);
  // Puts the file in place; empty on success, else the reason.
  std::string Commit();

  // Where the bytes go, as the system knows it.
  struct Target;

 private:
  void Flush();
  void WriteNow(const std::string& bytes);
  void Fail(const std::string& reason);

  std::unique_ptr<Target> target_;
  std::string pending_;
  std::string problem_;
  bool committed_ = false;
};

}  // namespace FileAccess
