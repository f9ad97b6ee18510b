#pragma once

#include <cstddef>
#include <string>

// The texts of the "Fehler" boxes of the save and load commands: each names
// the file and says what is wrong.
namespace FileErrors {

std::string NotWritten(const std::string& file, const std::string& reason);
std::string NotRead(const std::string& file, const std::string& reason);
std::string TooShort(const std::string& file, std::size_t lines, std::size_t needed);

}  // namespace FileErrors
