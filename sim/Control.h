#pragma once

#include <cstddef>

#include "sim/SimSettings.h"

// The controls of the main form that the simulation reads or writes.
// clang-format off
#define VANTREL_SIM_CONTROLS(X)                                                            \
  X(rtb_startkapital) X(rtb_anzahl_durchlauf) X(rtb_verzoegerung) X(rtb_erster_einsatz)    \
  X(rtb_min_einsatz) X(rtb_tischlimit) X(rtb_soll_kapital) X(rtb_min_kapital)              \
  X(rtb_anzahl_gesamtdurchgaenge)                                                          \
  X(rtb_v1) X(rtb_v2) X(rtb_v3) X(rtb_v4) X(rtb_v5) X(rtb_v6) X(rtb_v7) X(rtb_v8)          \
  X(rtb_v9) X(rtb_v10) X(rtb_v11)                                                          \
  X(rtb_g1) X(rtb_g2) X(rtb_g3) X(rtb_g4) X(rtb_g5) X(rtb_g6) X(rtb_g7) X(rtb_g8)          \
  X(rtb_g9) X(rtb_g10) X(rtb_g11)                                                          \
  X(checkbox_zero_oder_zerozero) X(checkbox_rot_oder_schwarz)                              \
  X(checkbox_bei_gewinn_erster_einsatz) X(checkbox_bei_verlust_erster_einsatz)             \
  X(checkbox_tauschen_bei_gewinn) X(checkbox_bei_tischlimit_neueinsatz)                    \
  X(checkbox_zahlen_des_letzten_durchganges)                                               \
  X(label_aktueller_durchgang) X(label_alle_zahlen) X(label_akt_durchlauf)                 \
  X(label_akt_kapital) X(label_akt_einsatz) X(label_infolabel) X(rtb_random)               \
  X(label_akt_gesamtdurchgang) X(label_maximal_erreicht) X(label_minimal_erreicht)         \
  X(label_tischlimit_oder_maxspiele) X(label_proz_max) X(label_proz_min)                   \
  X(label_proz_linmit) X(rtb_ergebnisse)
// clang-format on

enum class Control {
#define VANTREL_ENUMERATOR(name) name,
  VANTREL_SIM_CONTROLS(VANTREL_ENUMERATOR)
#undef VANTREL_ENUMERATOR
};

namespace control_detail {
// One more enumerator after the list counts it.
enum Counter : std::size_t {
#define VANTREL_COUNTER(name) name,
  VANTREL_SIM_CONTROLS(VANTREL_COUNTER)
#undef VANTREL_COUNTER
      kCount
};
}  // namespace control_detail

constexpr std::size_t kControlCount = control_detail::kCount;
// What a setting beyond the window's fields names as its control: none.
constexpr Control kNoControl = static_cast<Control>(kControlCount);

// The control's member name on the form.
const char* ControlName(Control control);

// The progression rows: entry k (1 to 11) of each.
constexpr Control kBetAfterWins[kRowLength] = {Control::rtb_g1, Control::rtb_g2,  Control::rtb_g3, Control::rtb_g4,
                                               Control::rtb_g5, Control::rtb_g6,  Control::rtb_g7, Control::rtb_g8,
                                               Control::rtb_g9, Control::rtb_g10, Control::rtb_g11};
constexpr Control kBetAfterLosses[kRowLength] = {Control::rtb_v1, Control::rtb_v2,  Control::rtb_v3, Control::rtb_v4,
                                                 Control::rtb_v5, Control::rtb_v6,  Control::rtb_v7, Control::rtb_v8,
                                                 Control::rtb_v9, Control::rtb_v10, Control::rtb_v11};
