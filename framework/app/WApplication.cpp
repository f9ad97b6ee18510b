#include "framework/app/WApplication.h"

#include <atomic>

#include "framework/events/WThreadRecord.h"

namespace {

std::atomic<WApplication*> current{nullptr};
std::atomic<bool> before_processing{false};
std::atomic<bool> after_processing{false};
std::atomic<WApplication::ShutdownHook> shutdown_hook{nullptr};

}  // namespace

WApplication::WApplication() {
  WApplication* none = nullptr;
  current.compare_exchange_strong(none, this);
}

WApplication::~WApplication() {
  WApplication* self = this;
  current.compare_exchange_strong(self, nullptr);
}

void WApplication::MakeCurrent(WApplication* application) { current = application; }

WApplication* WApplication::Current() { return current.load(); }

bool WApplication::HasBeforeProcessingHandler() { return before_processing.load(); }

bool WApplication::HasAfterProcessingHandler() { return after_processing.load(); }

void WApplication::SetShutdownHook(ShutdownHook hook) { shutdown_hook = hook; }

bool WApplication::SetEventHandler(WEventNumber event, WObject* target, const WEventHandlerFunction& function,
                                   uint32_t user_data, const int32_t* position) {
  if (event == BeforeProcessingEvent) before_processing = true;
  if (event == AfterProcessingEvent) after_processing = true;
  return WEventGenerator::SetEventHandler(event, target, function, user_data, position);
}

int32_t WApplication::Execute(void* instance, void* /*previous*/, const char* command_line, int show) {
  SetInstance(instance);
  command_line_ = command_line ? command_line : "";
  show_ = show;
  thread_id_ = CurrentThreadId();

  event_data_.quit = false;
  event_data_.exit_code = 0;
  CallEventHandlers(StartEvent, this, &event_data_);
  if (!event_data_.quit) {
    thread_id_ = CurrentThreadId();
    CallEventHandlers(RunEvent, this, &event_data_);
  }
  // The end always runs, also when the start gave up.
  CallEventHandlers(EndEvent, this, &event_data_);
  ProcessDeferredDeletes(true, this);
  if (const ShutdownHook hook = shutdown_hook.load()) hook(-1);
  return event_data_.exit_code;
}
