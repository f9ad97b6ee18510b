#include "ui/FormMembers.h"

#include <cstring>

namespace FormMembers {

// The value boxes are white: the system's caption text colour that was
// meant here is black on current systems, which hid their black digits.
// Tooltips are German Windows-1252 text, written as byte escapes so that the
// bytes do not depend on this file's encoding.
// clang-format off
const Member kMembers[kMemberCount] = {
    {102, "rtb_startkapital", Kind::RichTextBox, nullptr, 0, 0, nullptr, false, Check::None},
    {103, "label_startkapital", Kind::Label, nullptr, 0, 0, "Ihr Anfangskapital f\xfc" "r den folgenden Durchgang.", true, Check::None},
    {104, "rtb_anzahl_durchlauf", Kind::RichTextBox, nullptr, 0, 0, nullptr, false, Check::None},
    {105, "label_anzahl_durchlauf", Kind::Label, nullptr, 0, 0, "Soviele Spiele werden pro Durchgang abgespielt wenn kein anderer Grenzwert erreicht wird.", true, Check::None},
    {106, "cb_start", Kind::CommandButton, "12.MS Sans Serif.Bold", 0, 0, nullptr, false, Check::None},
    {107, "rtb_verzoegerung", Kind::RichTextBox, nullptr, 0, 0, nullptr, false, Check::None},
    {108, "label_verzoegerung", Kind::Label, nullptr, 0, 0, "Stellen Sie ein wie schnell der Simulator laufen soll (gr\xf6" "sser = langsamer)", true, Check::None},
    {109, "rtb_erster_einsatz", Kind::RichTextBox, nullptr, 0, 0, nullptr, false, Check::None},
    {110, "label_erstereinsatz", Kind::Label, nullptr, 0, 0, "Wieviel St\xfc" "ck wollen Sie zuerst einsetzen.", true, Check::None},
    {111, "label_aktueller_durchlauf", Kind::Label, nullptr, 0, 0, "Nummer des aktuellen Spieles.", true, Check::None},
    {112, "label_aktuelles_kapital", Kind::Label, nullptr, 0, 0, "Derzeit zur verf\xfc" "gung stehendes Kapital.", true, Check::None},
    {113, "label_alle_zahlen_titel", Kind::Label, nullptr, 0, 0, "Bis 999 werden alle Zahlen life angezeigt - danach abschaltung wg. zu grosser Geschwindigkeitseinbu\xdf" "e.", true, Check::None},
    {114, "label_aktueller_durchgang", Kind::Label, "22.Arial Black", Palette(7), Palette(2), nullptr, false, Check::None},
    {115, "label_aktuelle_zahl", Kind::Label, nullptr, 0, 0, "Anzeige der zuletzt ermittelten Zahl.", true, Check::None},
    {116, "checkbox_rot_oder_schwarz", Kind::CheckBox, nullptr, 0, 0, nullptr, true, Check::Off},
    {117, "label_checkbox", Kind::Label, nullptr, 0, 0, "Checked f\xfc" "r ROT / Unchecked f\xfc" "r Schwarz als ersten Einsatz", false, Check::None},
    {118, "label_akt_durchlauf", Kind::Label, nullptr, Palette(8), Palette(7), nullptr, false, Check::None},
    {119, "label_akt_kapital", Kind::Label, nullptr, Palette(8), Palette(7), nullptr, false, Check::None},
    {120, "label_aktueller_einsatz", Kind::Label, nullptr, 0, 0, "Der n\xe4" "chste f\xe4" "llige Einstz wird angezeigt.", true, Check::None},
    {121, "label_akt_einsatz", Kind::Label, nullptr, Palette(8), Palette(7), nullptr, false, Check::None},
    {122, "label_tauschen", Kind::Label, nullptr, 0, 0, "tauscht bei Gewinn die Farbe auf welche gesetzt wurde", true, Check::None},
    {123, "checkbox_tauschen_bei_gewinn", Kind::CheckBox, nullptr, 0, 0, nullptr, true, Check::Off},
    {124, "rtb_soll_kapital", Kind::RichTextBox, nullptr, 0, 0, nullptr, false, Check::None},
    {125, "label_soll_kapital", Kind::Label, nullptr, 0, 0, "Aussteigen bei dieser Kapitalobergrenze.", true, Check::None},
    {126, "frame_2", Kind::Frame, nullptr, 0, 0, nullptr, false, Check::None},
    {127, "rtb_min_kapital", Kind::RichTextBox, nullptr, 0, 0, nullptr, false, Check::None},
    {128, "label_min_kapital", Kind::Label, nullptr, 0, 0, "Aussteigen bei dieser Kapitaluntergrenze.", true, Check::None},
    {129, "label_bei_gewinn", Kind::Label, nullptr, 0, 0, "Im Gewinnfall wird der erste Einsatz neu eingesetzt (Checked)", true, Check::None},
    {130, "label_einsatz_bei_verlust", Kind::Label, nullptr, 0, 0, "Bei Verlust wird der erste Einsatz neu eingesetzt (Checked)", true, Check::None},
    {131, "rtb_v1", Kind::RichTextBox, "7.MS Serif", 0, 0, nullptr, false, Check::None},
    {132, "checkbox_zahlen_des_letzten_durchganges", Kind::CheckBox, nullptr, 0, 0, nullptr, true, Check::On},
    {133, "label_alle_zahlen", Kind::Label, "8.Arial", Palette(7), System(22), nullptr, false, Check::None},
    {134, "checkbox_bei_gewinn_erster_einsatz", Kind::CheckBox, nullptr, 0, 0, nullptr, false, Check::Off},
    {135, "checkbox_bei_verlust_erster_einsatz", Kind::CheckBox, nullptr, 0, 0, nullptr, false, Check::Off},
    {136, "label_gewinn_oder", Kind::Label, "10.MS Sans Serif.Bold", 0, 0, "Es wird nur die obere ODER untere Bedingung erf\xfc" "llt.", true, Check::None},
    {137, "label_verlust_oder", Kind::Label, "10.MS Sans Serif.Bold", 0, 0, "Es wird nur die obere ODER untere Bedingung erf\xfc" "llt.", true, Check::None},
    {138, "groupb_einsatz_bei_gewinn", Kind::GroupBox, nullptr, 0, 0, nullptr, false, Check::None},
    {139, "groupb_2", Kind::GroupBox, nullptr, 0, 0, nullptr, false, Check::None},
    {140, "groupb_3", Kind::GroupBox, nullptr, 0, 0, nullptr, false, Check::None},
    {141, "rtb_tischlimit", Kind::RichTextBox, nullptr, 0, 0, nullptr, false, Check::None},
    {142, "label_tischlimit", Kind::Label, nullptr, 0, 0, "Wieviel St\xfc" "ck d\xfc" "rfen maximal eingesetzt werden. Dar\xfc" "ber l\xe4" "sst sich auch der Neueinsatz mit erstem Einsatz definieren.", true, Check::None},
    {143, "groupb_4", Kind::GroupBox, nullptr, 0, 0, nullptr, false, Check::None},
    {144, "label_bei_tischlimit_neueinsatz", Kind::Label, nullptr, 0, 0, "wird das Tischlimit erreicht wird der Einsatz auf den ersten Einsatz zur\xfc" "ckgesetzt, ansonsten stop", true, Check::None},
    {145, "checkbox_bei_tischlimit_neueinsatz", Kind::CheckBox, nullptr, 0, 0, nullptr, true, Check::On},
    {147, "label_infolabel", Kind::Label, "10.MS Sans Serif.Bold", 0, Palette(1), "Ausgabefenster f\xfc" "r Meldungen.", false, Check::None},
    {148, "checkbox_zero_oder_zerozero", Kind::CheckBox, nullptr, 0, 0, nullptr, true, Check::Off},
    {149, "label_zero_oder_zerozero", Kind::Label, nullptr, 0, 0, "Europ\xe4" "isches Roulette mit einer NULL oder US - Tisch mit Doppel NULL. ", false, Check::None},
    {150, "rtb_anzahl_gesamtdurchgaenge", Kind::RichTextBox, nullptr, 0, 0, nullptr, false, Check::None},
    {151, "label_anzahl_gesamtdurchgaenge", Kind::Label, "7.MS Sans Serif", 0, 0, "Wieviele Durchg\xe4" "nge sollen insgesamt gespielt werden ?", true, Check::None},
    {152, "label_aktueller_gesamtdurchgang", Kind::Label, nullptr, 0, 0, "Nummer des aktuellen Durchganges.", true, Check::None},
    {153, "label_akt_gesamtdurchgang", Kind::Label, nullptr, Palette(8), Palette(7), nullptr, false, Check::None},
    {154, "label_max_erreicht", Kind::Label, "7.MS Serif", 0, 0, "MAX Kapital erreicht.", false, Check::None},
    {155, "label_maximal_erreicht", Kind::Label, nullptr, Palette(8), Palette(7), nullptr, false, Check::None},
    {156, "label_min_erreicht", Kind::Label, "7.MS Serif", 0, 0, "MIN Kapital erreicht.", true, Check::None},
    {157, "label_minimal_erreicht", Kind::Label, nullptr, Palette(8), Palette(7), nullptr, false, Check::None},
    {158, "label_tlim_oder_maxspiele", Kind::Label, "7.MS Serif", 0, 0, "Das Tischlimit oder die Maximalen Spiele wurden erreicht. erreicht.", false, Check::None},
    {159, "label_tischlimit_oder_maxspiele", Kind::Label, nullptr, Palette(8), Palette(7), nullptr, false, Check::None},
    {0, "session_timer", Kind::Timer},
    {161, "stop", Kind::CommandButton, "10.MS Sans Serif", 0, 0, "Abbruch nach dem n\xe4" "chsten Durchgang", true, Check::None},
    {0, "poll_timer", Kind::Timer},
    {163, "rtb_random", Kind::RichTextBox, "8.MS Sans Serif.Bold", 0, Palette(7), "Status des Zahlengenerators", false, Check::None},
    {164, "rtb_min_einsatz", Kind::RichTextBox, nullptr, 0, 0, nullptr, false, Check::None},
    {165, "label_min_einsatz", Kind::Label, "7.MS Sans Serif", 0, 0, "Mindesteinsatz einer Bonusaktion", true, Check::None},
    {166, "rtb_v2", Kind::RichTextBox, "7.MS Serif", 0, 0, nullptr, false, Check::None},
    {167, "rtb_v3", Kind::RichTextBox, "7.MS Serif", 0, 0, nullptr, false, Check::None},
    {168, "rtb_v4", Kind::RichTextBox, "7.MS Serif", 0, 0, nullptr, false, Check::None},
    {169, "rtb_v5", Kind::RichTextBox, "7.MS Serif", 0, 0, nullptr, false, Check::None},
    {170, "rtb_v6", Kind::RichTextBox, "7.MS Serif", 0, 0, nullptr, false, Check::None},
    {171, "rtb_v7", Kind::RichTextBox, "7.MS Serif", 0, 0, nullptr, false, Check::None},
    {172, "rtb_v8", Kind::RichTextBox, "7.MS Serif", 0, 0, nullptr, false, Check::None},
    {173, "rtb_v9", Kind::RichTextBox, "7.MS Serif", 0, 0, nullptr, false, Check::None},
    {174, "rtb_v10", Kind::RichTextBox, "7.MS Serif", 0, 0, nullptr, false, Check::None},
    {175, "rtb_v11", Kind::RichTextBox, "7.MS Serif", 0, 0, nullptr, false, Check::None},
    {176, "rtb_g1", Kind::RichTextBox, "7.MS Serif", 0, 0, nullptr, false, Check::None},
    {177, "rtb_g2", Kind::RichTextBox, "7.MS Serif", 0, 0, nullptr, false, Check::None},
    {178, "rtb_g3", Kind::RichTextBox, "7.MS Serif", 0, 0, nullptr, false, Check::None},
    {179, "rtb_g4", Kind::RichTextBox, "7.MS Serif", 0, 0, nullptr, false, Check::None},
    {180, "rtb_g5", Kind::RichTextBox, "7.MS Serif", 0, 0, nullptr, false, Check::None},
    {181, "rtb_g6", Kind::RichTextBox, "7.MS Serif", 0, 0, nullptr, false, Check::None},
    {182, "rtb_g7", Kind::RichTextBox, "7.MS Serif", 0, 0, nullptr, false, Check::None},
    {183, "rtb_g8", Kind::RichTextBox, "7.MS Serif", 0, 0, nullptr, false, Check::None},
    {184, "rtb_g9", Kind::RichTextBox, "7.MS Serif", 0, 0, nullptr, false, Check::None},
    {185, "rtb_g10", Kind::RichTextBox, "7.MS Serif", 0, 0, nullptr, false, Check::None},
    {186, "rtb_g11", Kind::RichTextBox, "7.MS Serif", 0, 0, nullptr, false, Check::None},
    {187, "label_gewinn", Kind::Label, nullptr, 0, 0, nullptr, true, Check::None},
    {188, "label_verlust", Kind::Label, nullptr, 0, 0, nullptr, true, Check::None},
    {189, "label_gewinn2", Kind::Label, nullptr, 0, 0, nullptr, true, Check::None},
    {190, "label_verlust2", Kind::Label, nullptr, 0, 0, nullptr, true, Check::None},
    {191, "label_erg", Kind::Label, nullptr, 0, 0, "Hier kann man das Endkapital jedes Durchganges einsehen", true, Check::None},
    {192, "rtb_ergebnisse", Kind::RichTextBox, nullptr, Palette(14), Palette(8), nullptr, false, Check::None},
    {0, "filedialog_1", Kind::FileDialog},
    {194, "label_werbung_muss_sein", Kind::Label, "8.MS Sans Serif,Underline", Palette(13), Palette(3), nullptr, false, Check::None},
    {195, "label_proz_max", Kind::Label, nullptr, 0, Palette(2), nullptr, false, Check::None},
    {196, "label_proz_min", Kind::Label, nullptr, 0, Palette(1), nullptr, false, Check::None},
    {197, "label_proz_linmit", Kind::Label, nullptr, 0, Palette(13), nullptr, false, Check::None},
};
// clang-format on

std::size_t IndexOf(const char* name) {
  for (std::size_t i = 0; i < kMemberCount; ++i) {
    if (std::strcmp(kMembers[i].name, name) == 0) return i;
  }
  return kMemberCount;
}

std::size_t IndexOf(Control control) { return IndexOf(ControlName(control)); }

}  // namespace FormMembers
