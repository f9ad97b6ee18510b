#include "framework/dialogs/WFilePath.h"

#include <cstring>
#include <string>

namespace {

bool IsSlash(char c) { return c == '\\' || c == '/'; }

}  // namespace

WFilePath::WFilePath(const char* text) : text_(text) { Split(); }

WFilePath::WFilePath(const WString& text) : text_(text) { Split(); }

void WFilePath::Split() {
  const char* text = text_.GetText();
  const auto length = static_cast<int32_t>(std::strlen(text));
  drive_end_ = (length >= 2 && text[1] == ':' && !IsSlash(text[0])) ? 2 : 0;

  directory_end_ = drive_end_;
  for (int32_t i = drive_end_; i < length; ++i) {
    if (IsSlash(text[i])) directory_end_ = i + 1;
  }

  name_end_ = length;
  for (int32_t i = length - 2; i >= directory_end_; --i) {
    if (text[i] == '.' && text[i + 1] != '.' && !IsSlash(text[i + 1])) {
      name_end_ = i;
      break;
    }
  }
}

WString WFilePath::Part(int32_t begin, int32_t end) const {
  return WString(std::string(text_.GetText() + begin, text_.GetText() + end).c_str());
}

WString WFilePath::GetDrive() const { return Part(0, drive_end_); }
WString WFilePath::GetDirectory() const { return Part(drive_end_, directory_end_); }
WString WFilePath::GetName() const { return Part(directory_end_, name_end_); }
WString WFilePath::GetExtension() const { return Part(name_end_, static_cast<int32_t>(std::strlen(text_.GetText()))); }
WString WFilePath::GetDriveAndDirectory() const { return Part(0, directory_end_); }

void WFilePath::SetDrive(const char* drive) { Rebuild(WString(drive ? drive : ""), GetDirectory()); }

void WFilePath::SetDirectory(const char* directory) { Rebuild(GetDrive(), WString(directory ? directory : "")); }

void WFilePath::Rebuild(const WString& drive, const WString& directory) {
  WString text = drive;
  text += directory;
  text += GetName();
  text += GetExtension();
  text_ = text;
  Split();
}
