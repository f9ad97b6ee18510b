#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <vector>

#include "files/FileAccess.h"

namespace FileAccess {

namespace {

std::string Reason(int error) { return std::strerror(error); }

// Writes everything or says why not.
bool WriteAll(int descriptor, const std::string& bytes) {
  std::size_t written = 0;
  while (written < bytes.size()) {
    const ssize_t step = ::write(descriptor, bytes.data() + written, bytes.size() - written);
    if (step < 0 && errno == EINTR) continue;
    if (step <= 0) return false;
    written += static_cast<std::size_t>(step);
  }
  return true;
}

}  // namespace

std::string Replaceable(const std::string& path) {
  struct stat existing {};
  if (::stat(path.c_str(), &existing) != 0) return {};
  if (S_ISDIR(existing.st_mode)) return Reason(EISDIR);
  if ((existing.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0 || ::access(path.c_str(), W_OK) != 0) {
    return Reason(EACCES);
  }
  return {};
}

std::string MoveReplacing(const std::string& from, const std::string& path) {
  return ::rename(from.c_str(), path.c_str()) == 0 ? std::string() : Reason(errno);
}

std::string WriteReplacing(const std::string& path, const std::string& bytes) {
  // Renaming a new file into place would pass over the protection of a file
  // without write permission; it stays as it is, also for the superuser,
  // whom access() would let through.
  if (std::string reason = Replaceable(path); !reason.empty()) return reason;
  std::vector<char> temporary(path.begin(), path.end());
  const char suffix[] = ".XXXXXX";
  temporary.insert(temporary.end(), suffix, suffix + sizeof suffix);
  const int descriptor = ::mkstemp(temporary.data());
  if (descriptor < 0) return Reason(errno);
  bool written = WriteAll(descriptor, bytes) && ::fchmod(descriptor, 0644) == 0 && ::fsync(descriptor) == 0;
  int error = errno;
  if (::close(descriptor) != 0 && written) {
    written = false;
    error = errno;
  }
  if (!written) {
    ::unlink(temporary.data());
    return Reason(error);
  }
  if (std::rename(temporary.data(), path.c_str()) != 0) {
    const int error = errno;
    ::unlink(temporary.data());
    return Reason(error);
  }
  return {};
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
