#pragma once

#include <cstdint>

// A process-wide number for a class name: the same name always gives the
// same atom, so type tests compare numbers, not texts.
using WAtom = uint32_t;

WAtom RegisterClassAtom(const char* class_name);
