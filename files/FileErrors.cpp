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

}  // namespace FileErrors
