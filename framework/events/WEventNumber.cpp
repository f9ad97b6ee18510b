#include "framework/events/WEventNumber.h"

namespace {

constexpr const char* kNames[kEventCount] = {
#define W_EVENT_NAME(name) #name,
    W_EVENTS(W_EVENT_NAME)
#undef W_EVENT_NAME
};

}  // namespace

const char* EventName(WEventNumber event) { return event >= 0 && event < kEventCount ? kNames[event] : ""; }
