#pragma once

#include <cstdint>
#include <string>

// Money as the game step counts it: in quanta, one to a unit, or two where
// la partage gives half a bet back. A count of quanta is exact; printed,
// it is its units, whole or with ".5".

// The units of a count of quanta.
inline double Units(int64_t quanta_count, int32_t quanta) { return static_cast<double>(quanta_count) / quanta; }

// "12", "-3" or "12.5": a value of whole or half units as printed.
std::string MoneyText(double units);
inline std::string MoneyText(int64_t quanta_count, int32_t quanta) { return MoneyText(Units(quanta_count, quanta)); }
