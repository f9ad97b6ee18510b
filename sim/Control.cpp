#include "sim/Control.h"

namespace {

constexpr const char* kNames[] = {
#define VANTREL_NAME(name) #name,
    VANTREL_SIM_CONTROLS(VANTREL_NAME)
#undef VANTREL_NAME
};

}  // namespace

const char* ControlName(Control control) { return kNames[static_cast<std::size_t>(control)]; }
