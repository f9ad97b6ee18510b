#include "batch/output/SessionsCsv.h"

#include "batch/core/Money.h"

std::string CsvField(const std::string& text) {
  if (text.find_first_of(",\"\r\n") == std::string::npos) return text;
  std::string quoted = "\"";
  for (char c : text) {
    if (c == '"') quoted += '"';
    quoted += c;
  }
  return quoted + "\"";
}

std::string SessionsCsvHeader() { return "run,session,final balance,games,wagered,ended\r\n"; }

std::string SessionsCsvRows(const RunOutcome& run) {
  std::string csv;
  for (const SessionRecord& s : run.sessions) {
    csv += std::to_string(s.run) + "," + std::to_string(s.session) + "," + MoneyText(s.final_balance, run.quanta) +
           "," + std::to_string(s.games) + "," + MoneyText(s.wagered, run.quanta) + "," +
           CsvField(RowOf(s.ending).csv) + "\r\n";
  }
  return csv;
}
