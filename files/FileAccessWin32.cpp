#include "framework/events/WindowsHeadersWin32.h"

#include <algorithm>
#include <cstdio>
#include <string>

#include "files/FileAccess.h"
#include "files/TemporaryFiles.h"

namespace FileAccess {

namespace {

// A file handle, closed with the object.
class FileHandle {
 public:
  explicit FileHandle(HANDLE handle = INVALID_HANDLE_VALUE) : handle_(handle) {}
  FileHandle(const FileHandle&) = delete;
  FileHandle& operator=(const FileHandle&) = delete;
  ~FileHandle() { Close(); }
  bool IsOpen() const { return handle_ != INVALID_HANDLE_VALUE; }
  HANDLE Get() const { return handle_; }
  void Reset(HANDLE handle) {
    Close();
    handle_ = handle;
  }
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

bool WriteAll(HANDLE file, const char* data, std::size_t size) {
  std::size_t written = 0;
  while (written < size) {
    const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(size - written, 1u << 20));
    DWORD step = 0;
    if (!WriteFile(file, data + written, chunk, &step, nullptr)) return false;
    if (step == 0) {
      SetLastError(ERROR_WRITE_FAULT);
      return false;
    }
    written += step;
  }
  return true;
}

// Where a link leads: the final path of the file a handle holds, without
// the "\\?\" the system puts in front. Empty where the system cannot say
// (before Vista the function does not exist; links did not either).
std::string FinalPath(HANDLE file) {
  using Function = DWORD(WINAPI*)(HANDLE, LPSTR, DWORD, DWORD);
  const auto final_path = reinterpret_cast<Function>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("kernel32.dll"), "GetFinalPathNameByHandleA")));
  if (!final_path) return {};
  std::string path(32768, '\0');
  const DWORD length = final_path(file, &path[0], static_cast<DWORD>(path.size()), 0);
  if (length == 0 || length >= path.size()) return {};
  path.resize(length);
  if (path.compare(0, 8, "\\\\?\\UNC\\") == 0) return "\\\\" + path.substr(8);
  if (path.compare(0, 4, "\\\\?\\") == 0) return path.substr(4);
  return path;
}

std::string FolderOf(const std::string& path) {
  const std::size_t end = path.find_last_of("\\/");
  if (end == std::string::npos) return ".";
  return path.substr(0, end == 0 || (end == 2 && path[1] == ':') ? end + 1 : end);
}

// A fresh name in the folder of `path`, different in every call and every
// process, and short, so that a long name that fits has room for it.
std::string FreshName(const std::string& path) {
  static LONG counter = 0;
  LARGE_INTEGER clock{};
  QueryPerformanceCounter(&clock);
  const unsigned long long mixed = (static_cast<unsigned long long>(GetCurrentProcessId()) << 32) ^
                                   static_cast<unsigned long long>(clock.QuadPart) ^
                                   (static_cast<unsigned long long>(InterlockedIncrement(&counter)) << 48);
  char name[40];
  std::snprintf(name, sizeof name, "~vantrel.%012llx.tmp", mixed & 0xFFFFFFFFFFFFull);
  const std::string folder = FolderOf(path);
  return folder + (folder.back() == '\\' || folder.back() == '/' ? "" : "\\") + name;
}

}  // namespace

struct Replacement::Target {
  std::string path;       // where the bytes end up
  std::string temporary;  // empty when written in place
  FileHandle file;
  int remembered = -1;
};

namespace {

// Opens where the bytes go: the device itself, or a fresh temporary file
// beside the regular file they replace. Empty, or why not.
std::string Open(Replacement::Target& target, const std::string& path) {
  target.path = path;
  // A read-only file stays as it is, whoever asks: putting a new file in
  // its place would pass over its protection.
  const DWORD attributes = GetFileAttributesA(path.c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_READONLY))) {
    return Reason(ERROR_ACCESS_DENIED);
  }
  // Opening for writing follows a link.
  target.file.Reset(CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!target.file.IsOpen()) {
    const DWORD error = GetLastError();
    if (error != ERROR_FILE_NOT_FOUND) return Reason(error);
  } else if (GetFileType(target.file.Get()) != FILE_TYPE_DISK) {
    return {};  // a device or a pipe: its own bytes, written where it is
  } else {
    const std::string final_path = FinalPath(target.file.Get());
    if (!final_path.empty()) target.path = final_path;
    target.file.Close();
  }
  // A name nobody has, created exclusively: never an existing file, never
  // through a link planted there.
  for (int attempt = 0; attempt < 100; ++attempt) {
    const std::string name = FreshName(target.path);
    target.file.Reset(CreateFileA(name.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (target.file.IsOpen()) {
      target.temporary = name;
      target.remembered = TemporaryFiles::Remember(name);
      return {};
    }
    const DWORD error = GetLastError();
    if (error != ERROR_FILE_EXISTS && error != ERROR_ALREADY_EXISTS) return Reason(error);
  }
  return Reason(ERROR_FILE_EXISTS);
}

}  // namespace

Replacement::Replacement(const std::string& path) : target_(std::make_unique<Target>()) {
  problem_ = Open(*target_, path);
}

Replacement::~Replacement() {
  Target& target = *target_;
  target.file.Close();
  if (!target.temporary.empty() && !committed_) DeleteFileA(target.temporary.c_str());
  TemporaryFiles::Forget(target.remembered);
}

void Replacement::WriteNow(const std::string& bytes) {
  if (!target_->file.IsOpen() || !problem_.empty()) return;
  if (!WriteAll(target_->file.Get(), bytes.data(), bytes.size())) Fail(Reason(GetLastError()));
}

std::string Replacement::Commit() {
  Target& target = *target_;
  Flush();
  if (problem_.empty() && !target.temporary.empty() && !FlushFileBuffers(target.file.Get())) {
    Fail(Reason(GetLastError()));
  }
  if (!target.file.Close()) Fail(Reason(GetLastError()));
  if (problem_.empty() && !target.temporary.empty() &&
      !MoveFileExA(target.temporary.c_str(), target.path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    Fail(Reason(GetLastError()));
  }
  committed_ = problem_.empty();
  return problem_;
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
