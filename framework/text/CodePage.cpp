#include "framework/text/CodePage.h"

CodePage CodePage::DoubleByte(const std::vector<std::pair<unsigned char, unsigned char>>& lead_ranges) {
  CodePage page;
  page.double_byte_ = true;
  for (const auto& [first, last] : lead_ranges) {
    for (unsigned c = first; c <= last; ++c) page.lead_[c] = true;
  }
  return page;
}

std::size_t CodePage::CountCharacters(const char* text, std::size_t bytes) const {
  if (!double_byte_) return bytes;
  std::size_t characters = 0;
  for (std::size_t i = 0; i < bytes; ++characters) {
    i += (IsLeadByte(text[i]) && i + 1 < bytes && text[i + 1] != '\0') ? 2 : 1;
  }
  return characters;
}

std::size_t CodePage::BytesOfCharacters(const char* text, std::size_t characters) const {
  std::size_t bytes = 0;
  for (std::size_t taken = 0; taken < characters && text[bytes] != '\0'; ++taken) {
    bytes += (IsLeadByte(text[bytes]) && text[bytes + 1] != '\0') ? 2 : 1;
  }
  return bytes;
}
