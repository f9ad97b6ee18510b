#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <utility>
#include <vector>

// The narrow code page the strings are held in: which bytes open a
// double-byte character, and conversion to and from UTF-16.
class CodePage {
 public:
  // A single-byte code page.
  CodePage() = default;
  // A double-byte code page whose lead bytes lie in the given ranges.
  static CodePage DoubleByte(const std::vector<std::pair<unsigned char, unsigned char>>& lead_ranges);

  // The code page of the running system, read once.
  static const CodePage& System();

  bool IsDoubleByte() const { return double_byte_; }
  bool IsLeadByte(char c) const { return double_byte_ && lead_[static_cast<unsigned char>(c)]; }

  // Number of characters in the first `bytes` bytes: a lead byte and its
  // trail byte count once.
  std::size_t CountCharacters(const char* text, std::size_t bytes) const;
  // Number of bytes taken by the first `characters` characters of a
  // zero-terminated text (stops at the terminator).
  std::size_t BytesOfCharacters(const char* text, std::size_t characters) const;

 private:
  bool double_byte_ = false;
  std::array<bool, 256> lead_{};
};

// Conversion between the system's narrow code page and UTF-16, as the
// system does it.
std::u16string WideFromNarrow(const char* text, std::size_t bytes);
std::string NarrowFromWide(const char16_t* text, std::size_t units);
