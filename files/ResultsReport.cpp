#include "files/ResultsReport.h"

namespace ResultsReport {

namespace {

std::string TextOf(const FormOperations& form, Control control) { return form.GetText(control).GetText(); }

// One row of progression fields on one line: ten single spaces between the
// eleven values, also where a value is empty, so each keeps its place.
std::string Row(const std::array<std::string, 11>& row) {
  std::string line = row[0];
  for (std::size_t k = 1; k < 11; ++k) line += ' ' + row[k];
  return line;
}

// An option step: its text when set, the other when clear, each with the
// report's blank lines around it.
std::string Option(bool set, const char* when_set, const char* when_clear) {
  return std::string("\n") + (set ? when_set : when_clear) + "\n\n";
}

}  // namespace

std::string WithCrLf(const std::string& text) {
  std::string result;
  result.reserve(text.size() + text.size() / 8);
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '\r' || c == '\n') {
      result += "\r\n";
      if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    } else {
      result += c;
    }
  }
  return result;
}

Data DataOf(const FormOperations& form) {
  Data data;
  data.capital = TextOf(form, Control::rtb_startkapital);
  data.sessions = TextOf(form, Control::rtb_anzahl_gesamtdurchgaenge);
  data.first_bet = TextOf(form, Control::rtb_erster_einsatz);
  data.wager_limit = TextOf(form, Control::rtb_min_einsatz);
  data.table_limit = TextOf(form, Control::rtb_tischlimit);
  for (std::size_t k = 0; k < 11; ++k) {
    data.bet_after_wins[k] = TextOf(form, kBetAfterWins[k]);
    data.bet_after_losses[k] = TextOf(form, kBetAfterLosses[k]);
  }
  data.counters = {TextOf(form, Control::label_maximal_erreicht), TextOf(form, Control::label_minimal_erreicht),
                   TextOf(form, Control::label_tischlimit_oder_maxspiele)};
  data.results_list = TextOf(form, Control::rtb_ergebnisse);
  return data;
}

std::string Format(const Data& data, const SimSettings& played) {
  std::string report;
  report += "capital:" + data.capital + "\n";
  report += "sessions:" + data.sessions + "\n";
  report += "first bet:" + data.first_bet + "\n";
  report += "minimum bet:" + data.wager_limit + "\n";
  report += "table limit:" + data.table_limit + "\n";
  report += played.first_bet_after_win ? "\nfirst bet if won\n\n" : "bet if win: \n" + Row(data.bet_after_wins) + "\n";
  report += played.first_bet_after_loss ? "\nfirst bet if lost\n\n"
                                        : "bet with game lost: \n" + Row(data.bet_after_losses) + "\n";
  report += Option(played.switch_after_win, "change red/black if won", "no change red/black");
  report += Option(played.first_bet_at_table_limit, "new minimum bet if reached table limit",
                   "if reached table limit - STOP");
  report += Option(played.double_zero, "game with ZeroZero", "game with Zero");
  report += "max balance minimum bet: \n" + data.counters[0] + "\n";
  report += "min. balance: \n" + data.counters[1] + "\n";
  report += "table limit or reached max games: \n" + data.counters[2] + "\n";
  report += "final balance for sessions: \n" + data.results_list + "\n";
  return WithCrLf(report);
}

}  // namespace ResultsReport
