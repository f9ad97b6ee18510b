#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstring>
#include <vector>

#include "files/FileAccess.h"
#include "files/TemporaryFiles.h"

namespace FileAccess {

namespace {

std::string Reason(int error) { return std::strerror(error); }

std::string FolderOf(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

// The file a path leads to: the path itself, or where its chain of
// symbolic links ends (which need not exist yet). Empty with `error` set
// where the chain is too long or cannot be read.
std::string Followed(std::string path, int& error) {
  for (int hops = 0; hops < 40; ++hops) {
    struct stat link {};
    if (::lstat(path.c_str(), &link) != 0 || !S_ISLNK(link.st_mode)) return path;
    std::vector<char> target(PATH_MAX + 1);
    const ssize_t length = ::readlink(path.c_str(), target.data(), target.size() - 1);
    if (length < 0) {
      error = errno;
      return {};
    }
    const std::string next(target.data(), static_cast<std::size_t>(length));
    path = next[0] == '/' ? next : FolderOf(path).append("/").append(next);
  }
  error = ELOOP;
  return {};
}

// Writes everything or gives the reason.
int WriteAll(int descriptor, const char* data, std::size_t size) {
  std::size_t written = 0;
  while (written < size) {
    const ssize_t step = ::write(descriptor, data + written, size - written);
    if (step < 0 && errno == EINTR) continue;
    if (step < 0) return errno;
    if (step == 0) return EIO;
    written += static_cast<std::size_t>(step);
  }
  return 0;
}

// The mode new files get: what the process's umask leaves of rw-rw-rw-.
mode_t NewFileMode() {
  static const mode_t mode = [] {
    const mode_t mask = ::umask(022);
    ::umask(mask);
    return static_cast<mode_t>(0666 & ~mask);
  }();
  return mode;
}

}  // namespace

struct Replacement::Target {
  std::string path;       // where the bytes end up
  std::string temporary;  // empty when written in place
  int descriptor = -1;
  int remembered = -1;
};

namespace {

// Opens where the bytes go: the device itself, or a fresh temporary file
// beside the regular file they replace. Empty, or why not.
std::string Open(Replacement::Target& target, const std::string& path) {
  int error = 0;
  target.path = Followed(path, error);
  if (target.path.empty()) return Reason(error);
  struct stat existing {};
  const bool exists = ::stat(target.path.c_str(), &existing) == 0;
  if (exists && S_ISDIR(existing.st_mode)) return Reason(EISDIR);
  if (exists && !S_ISREG(existing.st_mode)) {
    // A device, a pipe or a socket: its own bytes, written where it is.
    target.descriptor = ::open(target.path.c_str(), O_WRONLY | O_NOCTTY | O_CLOEXEC);
    return target.descriptor < 0 ? Reason(errno) : std::string();
  }
  // Renaming a new file into place would pass over the protection of a
  // file without write permission; it stays as it is, also for the
  // superuser, whom access() would let through.
  if (exists && ((existing.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0 || ::access(target.path.c_str(), W_OK) != 0)) {
    return Reason(EACCES);
  }
  // A short name, so that a long name that fits has room for it too.
  const std::string pattern = FolderOf(target.path) + "/.vantrel.XXXXXX";
  std::vector<char> name(pattern.begin(), pattern.end());
  name.push_back('\0');
  // mkstemp creates the file exclusively: never an existing name, never
  // through a link planted there.
  target.descriptor = ::mkstemp(name.data());
  if (target.descriptor < 0) return Reason(errno);
  target.temporary = name.data();
  target.remembered = TemporaryFiles::Remember(target.temporary);
  const mode_t mode = exists ? existing.st_mode & 07777 : NewFileMode();
  return ::fchmod(target.descriptor, mode) == 0 ? std::string() : Reason(errno);
}

}  // namespace

Replacement::Replacement(const std::string& path) : target_(std::make_unique<Target>()) {
  problem_ = Open(*target_, path);
}

Replacement::~Replacement() {
  Target& target = *target_;
  if (target.descriptor >= 0) ::close(target.descriptor);
  if (!target.temporary.empty() && !committed_) ::unlink(target.temporary.c_str());
  TemporaryFiles::Forget(target.remembered);
}

void Replacement::WriteNow(const std::string& bytes) {
  if (target_->descriptor < 0 || !problem_.empty()) return;
  if (const int error = WriteAll(target_->descriptor, bytes.data(), bytes.size())) Fail(Reason(error));
}

std::string Replacement::Commit() {
  Target& target = *target_;
  Flush();
  if (problem_.empty() && !target.temporary.empty() && ::fsync(target.descriptor) != 0) Fail(Reason(errno));
  if (target.descriptor >= 0 && ::close(target.descriptor) != 0) Fail(Reason(errno));
  target.descriptor = -1;
  if (problem_.empty() && !target.temporary.empty() && ::rename(target.temporary.c_str(), target.path.c_str()) != 0) {
    Fail(Reason(errno));
  }
  committed_ = problem_.empty();
  return problem_;
}

std::string Read(const std::string& path, std::string& bytes) {
  bytes.clear();
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (!file) return Reason(errno);
  char buffer[65536];
  std::size_t got = 0;
  while ((got = std::fread(buffer, 1, sizeof buffer, file)) > 0) {
    if (bytes.size() + got > kReadLimit) {
      std::fclose(file);
      bytes.clear();
      return "the file is larger than 64 MiB";
    }
    bytes.append(buffer, got);
  }
  const bool failed = std::ferror(file) != 0;
  std::fclose(file);
  if (failed) {
    bytes.clear();
    return "the file could not be read to its end";
  }
  return {};
}

}  // namespace FileAccess
