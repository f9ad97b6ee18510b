#pragma once

#include <cstdint>

#include "framework/events/WEventGenerator.h"

// The module instance the program was started with.
class WModule {
 public:
  void* GetInstance() const { return instance_; }
  void SetInstance(void* instance) { instance_ = instance; }

 private:
  void* instance_ = nullptr;
};

// The program's application object. Execute raises StartEvent, RunEvent
// and EndEvent on it in turn; the exit code its handlers leave is the
// program's.
class WApplication : public WEventGenerator, public WModule {
  W_DECLARE_CLASS(WApplication, WEventGenerator)

 public:
  // Becomes the current application when there is none yet.
  WApplication();
  ~WApplication() override;

  int32_t Execute(void* instance, void* previous, const char* command_line, int show);
  // Ends the application's message loop with the exit code; from any
  // thread.
  void Quit(int32_t exit_code);

  bool SetEventHandler(WEventNumber event, WObject* target, const WEventHandlerFunction& function,
                       uint32_t user_data = 0, const int32_t* position = nullptr) override;

  uint32_t GetThreadId() const { return thread_id_; }
  const char* GetCommandLine() const { return command_line_; }

  static WApplication* Current();
  // Some handler of the application wants every window message before
  // (after) the window processes it.
  static bool HasBeforeProcessingHandler();
  static bool HasAfterProcessingHandler();

  // Called with -1 at the very end of Execute, when installed.
  using ShutdownHook = void (*)(int32_t);
  static void SetShutdownHook(ShutdownHook hook);

 protected:
  static void MakeCurrent(WApplication* application);

 private:
  WApplicationEventData event_data_;
  uint32_t thread_id_ = 0;
  const char* command_line_ = "";
  int show_ = 0;
};

// An application that is the program itself: always the current one.
class WExeApplication : public WApplication {
  W_DECLARE_CLASS(WExeApplication, WApplication)

 public:
  WExeApplication() { MakeCurrent(this); }
};

// The calling thread's system id.
uint32_t CurrentThreadId();
