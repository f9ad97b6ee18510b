// Code page of systems without a Windows code page: Windows-1252, the
// single-byte page that Western Windows systems use, so that the host build
// converts single-byte text the way the program will on Windows.
#include "framework/text/CodePage.h"

namespace {

// 0x80 to 0x9F; 0 marks a byte that the page leaves undefined.
constexpr char16_t kHighControlRange[32] = {0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                            0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
                                            0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                            0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

char16_t WideOf(unsigned char c) {
  if (c >= 0x80 && c <= 0x9F && kHighControlRange[c - 0x80] != 0) return kHighControlRange[c - 0x80];
  return c;  // the rest is Latin-1; undefined bytes map to the control of the same value
}

char NarrowOf(char16_t unit) {
  if (unit < 0x80 || (unit >= 0xA0 && unit <= 0xFF)) return static_cast<char>(unit);
  for (unsigned i = 0; i < 32; ++i) {
    if (kHighControlRange[i] == unit) return static_cast<char>(0x80 + i);
  }
  if (unit >= 0x80 && unit <= 0x9F) return static_cast<char>(unit);
  return '?';
}

}  // namespace

const CodePage& CodePage::System() {
  static const CodePage single_byte;
  return single_byte;
}

std::u16string WideFromNarrow(const char* text, std::size_t bytes) {
  std::u16string wide(bytes, u'\0');
  for (std::size_t i = 0; i < bytes; ++i) wide[i] = WideOf(static_cast<unsigned char>(text[i]));
  return wide;
}

std::string NarrowFromWide(const char16_t* text, std::size_t units) {
  std::string narrow(units, '\0');
  for (std::size_t i = 0; i < units; ++i) narrow[i] = NarrowOf(text[i]);
  return narrow;
}
