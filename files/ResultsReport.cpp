#include "files/ResultsReport.h"

namespace ResultsReport {

namespace {

std::string TextOf(const FormOperations& form, Control control) { return form.GetText(control).GetText(); }

// One row of progression fields on one line: ten single spaces between the
// eleven values, also where a value is empty, so each keeps its place.
std::string Row(const FormOperations& form, const Control (&row)[11]) {
  std::string line = TextOf(form, row[0]);
  for (std::size_t k = 1; k < 11; ++k) line += ' ' + TextOf(form, row[k]);
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

std::string Format(const FormOperations& form, const SimSettings& played) {
  std::string report;
  report += "capital:" + TextOf(form, Control::rtb_startkapital) + "\n";
  report += "sessions:" + TextOf(form, Control::rtb_anzahl_gesamtdurchgaenge) + "\n";
  report += "first bet:" + TextOf(form, Control::rtb_erster_einsatz) + "\n";
  report += "minimum bet:" + TextOf(form, Control::rtb_min_einsatz) + "\n";
  report += "table limit:" + TextOf(form, Control::rtb_tischlimit) + "\n";
  report += played.first_bet_after_win ? "\nfirst bet if won\n\n" : "bet if win: \n" + Row(form, kBetAfterWins) + "\n";
  report += played.first_bet_after_loss ? "\nfirst bet if lost\n\n"
                                        : "bet with game lost: \n" + Row(form, kBetAfterLosses) + "\n";
  report += Option(played.switch_after_win, "change red/black if won", "no change red/black");
  report += Option(played.first_bet_at_table_limit, "new minimum bet if reached table limit",
                   "if reached table limit - STOP");
  report += Option(played.double_zero, "game with ZeroZero", "game with Zero");
  report += "max balance minimum bet: \n" + TextOf(form, Control::label_maximal_erreicht) + "\n";
  report += "min. balance: \n" + TextOf(form, Control::label_minimal_erreicht) + "\n";
  report += "table limit or reached max games: \n" + TextOf(form, Control::label_tischlimit_oder_maxspiele) + "\n";
  report += "final balance for sessions: \n" + TextOf(form, Control::rtb_ergebnisse) + "\n";
  return WithCrLf(report);
}

}  // namespace ResultsReport
