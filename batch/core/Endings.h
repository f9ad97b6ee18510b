#pragma once

#include <array>

#include "sim/SessionEnding.h"

// What an ending is called: its key in the JSON's "ended", its line in the
// text ("ended at min balance"), its name in a picture's legend, and the
// colour every picture draws it in.
struct EndingWords {
  const char* key;
  const char* label;
  const char* name;
  const char* colour;
};
extern const std::array<EndingWords, kEndings> kEndingWords;
