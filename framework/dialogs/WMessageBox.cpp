#include "framework/dialogs/WMessageBox.h"

#include <cstdio>
#include <cstring>
#include <vector>

namespace {

// Beyond this a format is taken as one that never fits.
constexpr std::size_t kLargestText = std::size_t{1} << 28;

}  // namespace

std::string WMessageBox::FormatText(const char* format, va_list arguments) {
  if (!format || *format == '\0') return std::string();
  std::vector<char> buffer(std::strlen(format));
  for (;;) {
    va_list copy;
    va_copy(copy, arguments);
    const int written = std::vsnprintf(buffer.data(), buffer.size(), format, copy);
    va_end(copy);
    if (written >= 0 && static_cast<std::size_t>(written) + 1 < buffer.size()) return std::string(buffer.data());
    if (buffer.size() * 2 > kLargestText) return std::string();
    buffer.resize(buffer.size() * 2);
  }
}

int32_t WMessageBox::ShowInformation(void* owner, const char* caption, const char* format, ...) {
  va_list arguments;
  va_start(arguments, format);
  const std::string text = FormatText(format, arguments);
  va_end(arguments);
  return Show(owner, caption, text, kInformationStyle);
}
