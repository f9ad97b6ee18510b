#pragma once

// The program's version, from the project's VERSION file (the build
// defines VANTREL_VERSION).
constexpr const char* kProgramVersion = "vantrel-batch " VANTREL_VERSION;
