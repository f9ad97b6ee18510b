#include "framework/events/WindowsHeadersWin32.h"

#include <algorithm>
#include <string>

#include "files/FileAccess.h"

namespace FileAccess {

namespace {

// A file handle, closed with the object.
class FileHandle {
 public:
  explicit FileHandle(HANDLE handle) : handle_(handle) {}
  FileHandle(const FileHandle&) = delete;
  FileHandle& operator=(const FileHandle&) = delete;
  ~FileHandle() { Close(); }
  bool IsOpen() const { return handle_ != INVALID_HANDLE_VALUE; }
  HANDLE Get() const { return handle_; }
  bool Close() {
    if (!IsOpen()) return true;
    const bool closed = CloseHandle(handle_) != FALSE;
    handle_ = INVALID_HANDLE_VALUE;
    return closed;
  }

 private:
  HANDLE handle_;
};

// The system's own words for the error.
std::string Reason(DWORD error) {
  char text[512] = {};
  const DWORD length = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, error, 0,
                                      text, sizeof text, nullptr);
  std::string reason(text, length);
  while (!reason.empty() && (reason.back() == '\r' || reason.back() == '\n' || reason.back() == ' ')) reason.pop_back();
  return reason.empty() ? "system error " + std::to_string(error) : reason;
}

std::string DirectoryOf(const std::string& path) {
  const std::size_t end = path.find_last_of("\\/");
  if (end == std::string::npos) return ".";
  return end == 0 ? path.substr(0, 1) : path.substr(0, end);
}

bool WriteAll(HANDLE file, const std::string& bytes) {
  std::size_t written = 0;
  while (written < bytes.size()) {
    const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - written, 1u << 20));
    DWORD step = 0;
    if (!WriteFile(file, bytes.data() + written, chunk, &step, nullptr) || step == 0) return false;
    written += step;
  }
  return true;
}

}  // namespace

std::string Replaceable(const std::string& path) {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY))) {
    return Reason(ERROR_ACCESS_DENIED);
  }
  return {};
}

std::string MoveReplacing(const std::string& from, const std::string& path) {
  if (MoveFileExA(from.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) return {};
  return Reason(GetLastError());
}

std::string WriteReplacing(const std::string& path, const std::string& bytes) {
  // Putting a new file in place would pass over the protection of a
  // read-only one on some systems; it stays as it is everywhere.
  const DWORD attributes = GetFileAttributesA(path.c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY))) {
    return Reason(ERROR_ACCESS_DENIED);
  }
  char temporary[MAX_PATH] = {};
  if (!GetTempFileNameA(DirectoryOf(path).c_str(), "vtr", 0, temporary)) return Reason(GetLastError());
  FileHandle file(CreateFileA(temporary, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
  bool written = file.IsOpen() && WriteAll(file.Get(), bytes) && FlushFileBuffers(file.Get());
  DWORD error = GetLastError();
  if (!file.Close() && written) {
    written = false;
    error = GetLastError();
  }
  if (written && !MoveFileExA(temporary, path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    written = false;
    error = GetLastError();
  }
  if (!written) {
    DeleteFileA(temporary);
    return Reason(error);
  }
  return {};
}

std::string Read(const std::string& path, std::string& bytes) {
  bytes.clear();
  FileHandle file(
      CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file.IsOpen()) return Reason(GetLastError());
  LARGE_INTEGER size{};
  if (!GetFileSizeEx(file.Get(), &size)) return Reason(GetLastError());
  if (static_cast<unsigned long long>(size.QuadPart) > kReadLimit) return "the file is larger than 64 MiB";
  bytes.resize(static_cast<std::size_t>(size.QuadPart));
  std::size_t got = 0;
  while (got < bytes.size()) {
    DWORD step = 0;
    if (!ReadFile(file.Get(), &bytes[got], static_cast<DWORD>(bytes.size() - got), &step, nullptr)) {
      const DWORD error = GetLastError();
      bytes.clear();
      return Reason(error);
    }
    if (step == 0) break;
    got += step;
  }
  bytes.resize(got);
  return {};
}

}  // namespace FileAccess
