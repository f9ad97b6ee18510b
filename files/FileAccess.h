#pragma once

#include <string>

// Whole files, read and written at once. A file is written beside its
// place under a name of its own and then put in place in one step, so that
// a failure part-way leaves the file that was there whole.
namespace FileAccess {

// The largest file that is read, so that a stray huge file cannot take
// the memory.
constexpr std::size_t kReadLimit = 64u << 20;

// Empty when all went well; else what the system gave as the reason.
std::string WriteReplacing(const std::string& path, const std::string& bytes);
std::string Read(const std::string& path, std::string& bytes);

}  // namespace FileAccess
