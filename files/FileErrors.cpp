#include "files/FileErrors.h"

namespace FileErrors {

std::string NotWritten(const std::string& file, const std::string& reason) {
  return file + " could not be written: " + reason;
}

std::string NotRead(const std::string& file, const std::string& reason) {
  return file + " could not be read: " + reason + "\nNothing was changed.";
}

std::string TooShort(const std::string& file, std::size_t lines, std::size_t needed) {
  return file + " has " + std::to_string(lines) + (lines == 1 ? " line" : " lines") + ", a settings file has " +
         std::to_string(needed) + ".\nNothing was changed.";
}

std::string Unusable(const std::string& file, const SettingsFile::Parsed& parsed) {
  if (parsed.long_line > 0) {
    return file + ": line " + std::to_string(parsed.long_line) + " is longer than the " +
           std::to_string(SettingsFile::kLongestLine) + " characters a field takes.\nNothing was changed.";
  }
  return parsed.complete ? std::string() : TooShort(file, parsed.lines, SettingsFile::kLines);
}

}  // namespace FileErrors
