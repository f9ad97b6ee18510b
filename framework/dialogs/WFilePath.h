#pragma once

#include "framework/text/WString.h"

// A file path and its split into drive, directory, file name and
// extension: ".\*.txt" is no drive, the directory ".\", the name "*" and
// the extension ".txt".
class WFilePath : public WObject {
  W_DECLARE_CLASS(WFilePath, WObject)

 public:
  WFilePath() = default;
  WFilePath(const char* text);     // NOLINT: paths are written as text
  WFilePath(const WString& text);  // NOLINT

  const char* GetText() const { return text_.GetText(); }
  bool IsEmpty() const { return text_.GetLength() == 0; }

  WString GetDrive() const;
  WString GetDirectory() const;
  WString GetName() const;
  WString GetExtension() const;
  WString GetDriveAndDirectory() const;
  bool HasDriveOrDirectory() const { return directory_end_ > 0; }

  // Replace one part; the text is rebuilt from the parts.
  void SetDrive(const char* drive);
  void SetDirectory(const char* directory);

 private:
  void Split();
  void Rebuild(const WString& drive, const WString& directory);
  WString Part(int32_t begin, int32_t end) const;

  WString text_;
  // End positions of the parts; a part that is absent ends where the one
  // before it ended.
  int32_t drive_end_ = 0;
  int32_t directory_end_ = 0;
  int32_t name_end_ = 0;
};
