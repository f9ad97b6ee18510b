#pragma once

#include <cstdarg>
#include <cstdint>
#include <string>

// The system's message box.
class WMessageBox {
 public:
  // OK button, information icon, modal for the whole task, brought to the
  // foreground.
  static constexpr uint32_t kInformationStyle = 0x12040;
  // What a box that reported anything but a button gives.
  static constexpr int32_t kFailed = 10;

  // Shows the printf-style text with OK and returns the number of the
  // button that closed the box (1 for OK), or 10. The owner (a system window
  // handle) is used only while it is visible and enabled.
  static int32_t ShowInformation(void* owner, const char* caption, const char* format, ...)
      __attribute__((format(printf, 3, 4)));

  // The text of a format and its values: a buffer as long as the format,
  // doubled until the text fits. An empty format gives an empty text.
  static std::string FormatText(const char* format, va_list arguments);
  // The platform's result as the framework reports it: 1 to 9 as they are,
  // anything else 10.
  static int32_t MapResult(int32_t platform_result) {
    return platform_result >= 1 && platform_result <= 9 ? platform_result : kFailed;
  }

 private:
  static int32_t Show(void* owner, const char* caption, const std::string& text, uint32_t style);
};
