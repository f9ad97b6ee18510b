#include "batch/core/Money.h"

#include <cmath>
#include <cstdio>

std::string MoneyText(double units) {
  char text[48];
  std::snprintf(text, sizeof text, units == std::floor(units) ? "%.0f" : "%.1f", units);
  return text;
}
