// The system's ANSI code page.
#include "framework/events/WindowsHeadersWin32.h"

#include "framework/text/CodePage.h"

namespace {

CodePage ReadSystemCodePage() {
  CPINFO info{};
  if (!GetCPInfo(CP_ACP, &info) || info.MaxCharSize < 2) return CodePage();
  // LeadByte holds up to five ranges, ended by a pair of zeros.
  std::vector<std::pair<unsigned char, unsigned char>> ranges;
  for (int i = 0; i + 1 < MAX_LEADBYTES && info.LeadByte[i] != 0; i += 2) {
    ranges.emplace_back(info.LeadByte[i], info.LeadByte[i + 1]);
  }
  return CodePage::DoubleByte(ranges);
}

}  // namespace

const CodePage& CodePage::System() {
  static const CodePage system = ReadSystemCodePage();
  return system;
}

std::u16string WideFromNarrow(const char* text, std::size_t bytes) {
  if (bytes == 0) return {};
  const int units = MultiByteToWideChar(CP_ACP, MB_PRECOMPOSED, text, static_cast<int>(bytes), nullptr, 0);
  std::u16string wide(static_cast<std::size_t>(units > 0 ? units : 0), u'\0');
  if (units > 0) {
    MultiByteToWideChar(CP_ACP, MB_PRECOMPOSED, text, static_cast<int>(bytes), reinterpret_cast<wchar_t*>(wide.data()),
                        units);
  }
  return wide;
}

std::string NarrowFromWide(const char16_t* text, std::size_t units) {
  if (units == 0) return {};
  const auto* wide = reinterpret_cast<const wchar_t*>(text);
  const int bytes = WideCharToMultiByte(CP_ACP, 0, wide, static_cast<int>(units), nullptr, 0, nullptr, nullptr);
  std::string narrow(static_cast<std::size_t>(bytes > 0 ? bytes : 0), '\0');
  if (bytes > 0) {
    WideCharToMultiByte(CP_ACP, 0, wide, static_cast<int>(units), narrow.data(), bytes, nullptr, nullptr);
  }
  return narrow;
}
