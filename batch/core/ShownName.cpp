#include "batch/core/ShownName.h"

#include <cstdio>

namespace {

// The length of the valid UTF-8 sequence at `at`, or 0.
std::size_t SequenceAt(const std::string& bytes, std::size_t at) {
  const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(bytes[k]); };
  const unsigned char lead = byte(at);
  std::size_t length = 0;
  unsigned char low = 0x80, high = 0xbf;  // the second byte's range
  if (lead >= 0xc2 && lead <= 0xdf) {
    length = 2;
  } else if (lead >= 0xe0 && lead <= 0xef) {
    length = 3;
    if (lead == 0xe0) low = 0xa0;
    if (lead == 0xed) high = 0x9f;  // no surrogates
  } else if (lead >= 0xf0 && lead <= 0xf4) {
    length = 4;
    if (lead == 0xf0) low = 0x90;
    if (lead == 0xf4) high = 0x8f;
  } else {
    return 0;
  }
  if (at + length > bytes.size() || byte(at + 1) < low || byte(at + 1) > high) return 0;
  for (std::size_t k = at + 2; k < at + length; ++k) {
    if (byte(k) < 0x80 || byte(k) > 0xbf) return 0;
  }
  return length;
}

}  // namespace

std::string ShownName(const std::string& bytes) {
  std::string shown;
  for (std::size_t at = 0; at < bytes.size();) {
    const auto byte = static_cast<unsigned char>(bytes[at]);
    if (byte < 0x20 || byte == 0x7f) {
      char escape[8];
      std::snprintf(escape, sizeof escape, "\\x%02x", byte);
      shown += escape;
      ++at;
    } else if (byte < 0x80) {
      shown += bytes[at++];
    } else if (const std::size_t length = SequenceAt(bytes, at)) {
      shown += bytes.substr(at, length);
      at += length;
    } else {
      shown += static_cast<char>(0xc0 | (byte >> 6));
      shown += static_cast<char>(0x80 | (byte & 0x3f));
      ++at;
    }
  }
  return shown;
}
