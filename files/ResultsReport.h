#pragma once

#include <string>

#include "sim/FormOperations.h"
#include "sim/SimSettings.h"

// The results report of the save command: the main parameters as the
// fields hold them, the options of the run that was played (the stored
// flags), the three end counts and the final balance of every session.
namespace ResultsReport {

// The report's bytes; every line break is CR LF, also those inside the
// list of final balances, whatever form the list box gives them in.
std::string Format(const FormOperations& form, const SimSettings& played);

// The text with every line break (CR LF, CR or LF) made CR LF.
std::string WithCrLf(const std::string& text);

}  // namespace ResultsReport
