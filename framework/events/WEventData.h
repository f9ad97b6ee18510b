#pragma once

#include <cstdint>

#include "framework/events/WEventNumber.h"

class WObject;

// The layout of a system queue message: window, message number, its two
// parameters, time and cursor position. Handles and parameters are as wide
// as the system's.
struct WMessage {
  void* window = nullptr;
  uint32_t message = 0;
  uintptr_t wparam = 0;
  intptr_t lparam = 0;
  uint32_t time = 0;
  int32_t cursor_x = 0;
  int32_t cursor_y = 0;
};

// What every handler receives; subtypes add their fields at the end.
struct WEventData {
  WObject* source = nullptr;
  WEventNumber event = BeforeProcessingEvent;  // number 0
  // In and out: a dispatch copies the caller's result in before the first
  // handler and back after the last.
  // The system's width, so that a window message's result (a handle, say)
  // passes through whole on 64-bit builds too.
  intptr_t result = 0;
  // The user data of the handler being called.
  uint32_t user_data = 0;
  // Position of the handler being called among the enabled handlers of
  // the event, from 0.
  int32_t handler_index = 0;
};

struct WMessageEventData : WEventData {
  WMessage message;
};

// A handler may change the message and the result; clearing `process`
// skips the window's own processing of the message.
struct WBeforeProcessingEventData : WEventData {
  WMessage message;
  intptr_t message_result = 0;
  bool process = true;
};

struct WAfterProcessingEventData : WEventData {
  WMessage message;
  intptr_t message_result = 0;
};

struct WMouseEventData : WEventData {
  int32_t x = 0;
  int32_t y = 0;
  uint32_t key_flags = 0;
};

struct WTimerEventData : WEventData {
  uint32_t time = 0;
};

struct WApplicationEventData : WEventData {
  bool quit = false;
  int32_t exit_code = 0;
};

// What the observer hears about a dispatch on another generator.
struct WSpyEventData : WEventData {
  WObject* generator = nullptr;
  WEventNumber observed_event = BeforeProcessingEvent;
  WEventData* observed_data = nullptr;
  bool after = false;
  bool handled = false;
};
