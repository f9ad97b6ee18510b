// Vantrel: the program's one application object. The framework's program
// entry hands control to it.
#include "ui/ApplicationClass.h"

namespace {

ApplicationClass application;

}  // namespace
