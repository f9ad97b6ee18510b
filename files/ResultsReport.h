#pragma once

#include <array>
#include <string>

#include "sim/FormOperations.h"
#include "sim/SimSettings.h"

// The results report of the save command: the main parameters as the
// fields hold them, the options of the run that was played (the stored
// flags), the three end counts and the final balance of every session.
namespace ResultsReport {

// What the report shows: the main parameters' fields and the rows' entries
// as they hold them, the three counters and the results list.
struct Data {
  std::string capital, sessions, first_bet, wager_limit, table_limit;
  std::array<std::string, 11> bet_after_wins, bet_after_losses;
  std::array<std::string, 3> counters;
  std::string results_list;
};

// The window's report data, as its form shows it.
Data DataOf(const FormOperations& form);

// The report's bytes; every line break is CR LF, also those inside the
// list of final balances, whatever form the list box gives them in.
std::string Format(const Data& data, const SimSettings& played);
inline std::string Format(const FormOperations& form, const SimSettings& played) {
  return Format(DataOf(form), played);
}

// The text with every line break (CR LF, CR or LF) made CR LF.
std::string WithCrLf(const std::string& text);

}  // namespace ResultsReport
