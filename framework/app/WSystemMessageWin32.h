#pragma once

// Conversion between the framework's message record and the system's.
// For platform code only.
#include "framework/events/WindowsHeadersWin32.h"

#include "framework/events/WEventData.h"

inline MSG ToSystemMessage(const WMessage& message) {
  MSG msg{};
  msg.hwnd = static_cast<HWND>(message.window);
  msg.message = message.message;
  msg.wParam = message.wparam;
  msg.lParam = message.lparam;
  msg.time = message.time;
  msg.pt.x = message.cursor_x;
  msg.pt.y = message.cursor_y;
  return msg;
}

inline WMessage FromSystemMessage(const MSG& msg) {
  WMessage message;
  message.window = msg.hwnd;
  message.message = msg.message;
  message.wparam = msg.wParam;
  message.lparam = msg.lParam;
  message.time = msg.time;
  message.cursor_x = msg.pt.x;
  message.cursor_y = msg.pt.y;
  return message;
}
