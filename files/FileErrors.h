#pragma once

#include <cstddef>
#include <string>

#include "files/SettingsFile.h"

// The texts of the "Fehler" boxes of the save and load commands: each names
// the file and says what is wrong.
namespace FileErrors {

std::string NotWritten(const std::string& file, const std::string& reason);
std::string NotRead(const std::string& file, const std::string& reason);
std::string TooShort(const std::string& file, std::size_t lines, std::size_t needed);
// Why a settings file's content cannot be used (a line too long, lines
// missing), or empty where it can.
std::string Unusable(const std::string& file, const SettingsFile::Parsed& parsed);

}  // namespace FileErrors
