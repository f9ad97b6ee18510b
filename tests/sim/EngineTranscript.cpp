#include "tests/sim/EngineTranscript.h"

#include <algorithm>
#include <cinttypes>
#include <cstdarg>
#include <cstdio>
#include <sstream>

#include <gtest/gtest.h>

namespace engine_transcript {
namespace {

std::string Printed(const char* format, ...) __attribute__((format(printf, 1, 2)));
std::string Printed(const char* format, ...) {
  char text[48];
  va_list arguments;
  va_start(arguments, format);
  std::vsnprintf(text, sizeof text, format, arguments);
  va_end(arguments);
  return text;
}

// FNV-1a over what was added, each text ended by a zero byte.
class Digest {
 public:
  void Add(const void* data, std::size_t size) {
    for (std::size_t i = 0; i < size; ++i) value_ = (value_ ^ static_cast<const unsigned char*>(data)[i]) * kPrime;
  }
  void Add(const std::string& text) { Add(text.c_str(), text.size() + 1); }
  void Add(int64_t number) { Add(&number, sizeof number); }
  std::string Hex() const { return Printed("%016" PRIx64, value_); }

 private:
  static constexpr uint64_t kPrime = 0x100000001B3ull;
  uint64_t value_ = 0xCBF29CE484222325ull;
};

std::string Escaped(const std::string& text) {
  std::string out;
  for (char c : text) out += c == '\n' ? "\\n" : c == '\\' ? "\\\\" : std::string(1, c);
  return out;
}

std::string Double(double value) { return Printed("%.17g", value); }

// Every control as a person would see it: text, check mark, colours, font.
std::string WindowDigest(const MemoryForm& form) {
  Digest digest;
  for (std::size_t i = 0; i < kControlCount; ++i) {
    const MemoryForm::ControlState& state = form.At(static_cast<Control>(i));
    digest.Add(std::string(state.text.GetText()));
    digest.Add(int64_t{state.checked});
    digest.Add(int64_t{state.fore.GetIndex()});
    digest.Add(int64_t{state.back.GetIndex()});
    digest.Add(state.font);
  }
  return digest.Hex();
}

class WatchedForm : public MemoryForm {
 public:
  explicit WatchedForm(int64_t calendar_time, std::ostringstream& out) : MemoryForm(calendar_time), out_(out) {}

  void Sleep(uint32_t milliseconds) override {
    MemoryForm::Sleep(milliseconds);
    ++pauses_;
    painted_.Add(WindowDigest(*this));
  }
  void ShowInformation(const char* caption, const char* text) override {
    out_ << "message \"" << caption << "\" \"" << text << "\" over " << WindowDigest(*this) << "\n";
    MemoryForm::ShowInformation(caption, text);
  }

  // The pauses since the last call, and the digest of the window at each.
  std::string TakePauses() {
    std::string line = "pauses=" + std::to_string(pauses_) + " painted=" + painted_.Hex();
    pauses_ = 0;
    painted_ = Digest();
    return line;
  }

 private:
  std::ostringstream& out_;
  int pauses_ = 0;
  Digest painted_;
};

std::string Text(const MemoryForm& form, Control control) {
  return std::string("\"") + Escaped(form.GetText(control).GetText()) + "\"";
}

void WriteSession(std::ostringstream& out, int played, WatchedForm& form) {
  out << "session " << played << " " << form.TakePauses() << " end=" << WindowDigest(form)
      << " info=" << Text(form, Control::label_infolabel) << " game=" << Text(form, Control::label_akt_durchlauf)
      << " balance=" << Text(form, Control::label_akt_kapital) << " bet=" << Text(form, Control::label_akt_einsatz)
      << " number=" << Text(form, Control::label_aktueller_durchgang) << "\n";
}

void WriteEnd(std::ostringstream& out, const Simulation& simulation, const MemoryForm& form) {
  out << "counters " << Text(form, Control::label_maximal_erreicht) << " "
      << Text(form, Control::label_minimal_erreicht) << " " << Text(form, Control::label_tischlimit_oder_maxspiele)
      << "\n";
  out << "percentages " << Text(form, Control::label_proz_max) << " " << Text(form, Control::label_proz_min) << " "
      << Text(form, Control::label_proz_linmit) << "\n";
  out << "results " << Text(form, Control::rtb_ergebnisse) << "\n";
  const SimSettings& s = simulation.settings();
  out << "settings";
  for (double value : {s.capital, s.games_per_session, s.delay_ms, s.first_bet, s.wager_limit, s.table_limit,
                       s.max_balance, s.min_balance, s.session_count})
    out << " " << Double(value);
  out << "\nflags";
  for (bool flag : {s.double_zero, s.bet_on_red, s.first_bet_after_win, s.first_bet_after_loss, s.switch_after_win,
                    s.first_bet_at_table_limit, s.show_numbers_live})
    out << " " << flag;
  const SimRunState& r = simulation.state();
  out << "\nstate bet=" << r.bet << " balance=" << r.balance << " turnover=" << Double(r.turnover)
      << " streaks=" << r.win_streak << "/" << r.loss_streak << " last=" << r.last_number
      << " colour=" << static_cast<int>(r.number_colour) << " remaining=" << r.sessions_remaining
      << " active=" << r.run_active << " requested=" << r.start_requested << " seed=" << r.seed
      << " counts=" << Double(r.max_count) << "/" << Double(r.min_count) << "/" << Double(r.limit_count) << "\n";
  out << "window " << WindowDigest(form) << "\n";
}

}  // namespace

std::string Transcript(const Scenario& scenario) {
  std::ostringstream out;
  WatchedForm form(scenario.calendar_time, out);
  Simulation simulation(form);
  simulation.reset_settings();
  for (const auto& [control, text] : scenario.texts) form.SetText(control, WString(text.c_str()));
  for (const auto& [box, checked] : scenario.checks) form.SetChecked(box, checked);
  out << "run " << scenario.name << "\n";
  simulation.request_start();

  int played = 0;
  int ticks = 0;
  bool resumed = false;
  for (; ticks < 2000; ++ticks) {
    simulation.on_poll_timer();
    if (form.TakeSessionTimerTick()) {
      simulation.on_session_timer();
      WriteSession(out, ++played, form);
      if (scenario.between) scenario.between(played, simulation, form);
      continue;
    }
    const SimRunState& state = simulation.state();
    if (state.start_requested) continue;
    if (!state.run_active) break;
    // Paused by a failed session count: the user mends it once and starts.
    if (resumed) break;
    resumed = true;
    form.SetText(Control::rtb_anzahl_gesamtdurchgaenge, WString("12"));
    simulation.request_start();
  }
  out << "ticks " << ticks << "\n";
  WriteEnd(out, simulation, form);
  return out.str();
}

namespace {

Control Named(const std::string& name) {
  for (std::size_t i = 0; i < kControlCount; ++i) {
    if (name == ControlName(static_cast<Control>(i))) return static_cast<Control>(i);
  }
  ADD_FAILURE() << "no control " << name;
  return Control::rtb_startkapital;
}

// Inputs written as "field=text" for a field and "+box" or "-box" for a
// check box, separated by blanks; "_" in a text stands for a blank.
Scenario Make(std::string name, int64_t time, const std::string& inputs,
              std::function<void(int, Simulation&, MemoryForm&)> between = nullptr) {
  Scenario scenario{std::move(name), time, {}, {}, std::move(between)};
  std::istringstream words(inputs);
  for (std::string word; words >> word;) {
    const std::size_t equals = word.find('=');
    if (word[0] == '+' || word[0] == '-') {
      scenario.checks.emplace_back(Named(word.substr(1)), word[0] == '+');
    } else {
      std::string text = word.substr(equals + 1);
      std::replace(text.begin(), text.end(), '_', ' ');
      scenario.texts.emplace_back(Named(word.substr(0, equals)), text);
    }
  }
  return scenario;
}

void Type(MemoryForm& form, Control control, const char* text) { form.SetText(control, WString(text)); }

}  // namespace

std::vector<Scenario> Scenarios() {
  std::vector<Scenario> all;
  for (int64_t time : {1000, 1733479200, 77777}) all.push_back(Make("defaults " + std::to_string(time), time, ""));
  all.push_back(Make("double zero, red, switch and first bet after a win", 2001,
                     "rtb_anzahl_gesamtdurchgaenge=25 rtb_anzahl_durchlauf=300 +checkbox_zero_oder_zerozero "
                     "+checkbox_rot_oder_schwarz +checkbox_tauschen_bei_gewinn +checkbox_bei_gewinn_erster_einsatz "
                     "-checkbox_bei_verlust_erster_einsatz"));
  all.push_back(Make("long sessions switch the live list off", 3002,
                     "rtb_anzahl_gesamtdurchgaenge=6 rtb_anzahl_durchlauf=1500 rtb_startkapital=5000 "
                     "rtb_soll_kapital=100000 rtb_min_kapital=10"));
  all.push_back(Make("999 games with the live list", 4003,
                     "rtb_anzahl_gesamtdurchgaenge=8 rtb_anzahl_durchlauf=999 rtb_startkapital=2000 "
                     "rtb_soll_kapital=5000 +checkbox_zero_oder_zerozero"));
  all.push_back(Make("table limit ends sessions", 5004,
                     "rtb_anzahl_gesamtdurchgaenge=20 rtb_anzahl_durchlauf=200 rtb_tischlimit=10 rtb_soll_kapital=900 "
                     "-checkbox_bei_tischlimit_neueinsatz -checkbox_zahlen_des_letzten_durchganges"));
  all.push_back(
      Make("wager limit", 6005,
           "rtb_anzahl_gesamtdurchgaenge=15 rtb_min_einsatz=300 rtb_startkapital=1000 rtb_soll_kapital=2000"));
  all.push_back(Make("min balance, both limits in one game", 7006,
                     "rtb_anzahl_gesamtdurchgaenge=12 rtb_startkapital=100 rtb_soll_kapital=101 rtb_min_kapital=60 "
                     "rtb_g1=500 rtb_g2=500"));
  all.push_back(Make("pauses and a fractional game count", 8007,
                     "rtb_anzahl_gesamtdurchgaenge=7 rtb_anzahl_durchlauf=2.5 rtb_verzoegerung=3"));
  all.push_back(Make("failed checks in the middle of a run", 9008, "rtb_anzahl_gesamtdurchgaenge=14",
                     [](int played, Simulation&, MemoryForm& form) {
                       if (played == 3) Type(form, Control::rtb_startkapital, "0");
                       if (played == 5) Type(form, Control::rtb_startkapital, "500");
                       if (played == 6) Type(form, Control::rtb_min_kapital, "600");
                       if (played == 7) Type(form, Control::rtb_min_kapital, "0");
                       if (played == 9) Type(form, Control::rtb_anzahl_gesamtdurchgaenge, "x");
                     }));
  all.push_back(Make("progression entries that are not plain bets", 10009,
                     "rtb_anzahl_gesamtdurchgaenge=20 rtb_anzahl_durchlauf=400 rtb_startkapital=3000 "
                     "rtb_soll_kapital=6000 rtb_tischlimit=19999 rtb_v1=x rtb_v2=0.5 rtb_v3=1e3 rtb_v4=-4 rtb_v5=_7.9 "
                     "rtb_g3= -checkbox_bei_verlust_erster_einsatz +checkbox_rot_oder_schwarz"));
  all.push_back(Make("a reset and a stop during the run", 11010, "rtb_anzahl_gesamtdurchgaenge=30",
                     [](int played, Simulation& simulation, MemoryForm&) {
                       if (played == 3) simulation.reset_settings();
                       if (played == 6) simulation.request_stop();
                     }));
  return all;
}

}  // namespace engine_transcript
