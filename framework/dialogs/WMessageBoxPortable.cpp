// Systems without message boxes: the message goes to the error stream and
// counts as confirmed.
#include <iostream>

#include "framework/dialogs/WMessageBox.h"

int32_t WMessageBox::Show(void* /*owner*/, const char* caption, const std::string& text, uint32_t /*style*/) {
  std::cerr << (caption ? caption : "") << ": " << text << '\n';
  return MapResult(1);
}
