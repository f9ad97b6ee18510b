#include "batch/SessionsCsv.h"

std::string CsvField(const std::string& text) {
  if (text.find_first_of(",\"\r\n") == std::string::npos) return text;
  std::string quoted = "\"";
  for (char c : text) {
    if (c == '"') quoted += '"';
    quoted += c;
  }
  return quoted + "\"";
}

std::string SessionsCsv(const std::vector<RunOutcome>& runs) {
  std::string csv = "run,session,final balance,games,wagered,ended\r\n";
  for (const RunOutcome& run : runs) {
    for (const SessionRecord& s : run.sessions) {
      csv += std::to_string(s.run) + "," + std::to_string(s.session) + "," + std::to_string(s.final_balance) + "," +
             std::to_string(s.games) + "," + std::to_string(s.wagered) + "," + CsvField(EndingName(s.ending)) + "\r\n";
    }
  }
  return csv;
}
