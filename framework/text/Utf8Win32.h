#pragma once

#include "framework/events/WindowsHeadersWin32.h"

#include <string>

// UTF-8 text (the batch program's words and pictures) as the system's
// UTF-16, whatever the system's narrow code page.
inline std::wstring WideFromUtf8(const std::string& text) {
  const int length = MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(length > 0 ? length : 0), L'\0');
  if (length > 0) MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), wide.data(), length);
  return wide;
}
