#include "files/SettingsFile.h"

#include <algorithm>
#include <iterator>

#include "sim/DecimalText.h"

namespace SettingsFile {

// clang-format off
const Control kTextFields[kTextLines] = {
    Control::rtb_startkapital, Control::rtb_anzahl_gesamtdurchgaenge, Control::rtb_erster_einsatz,
    Control::rtb_min_einsatz,  Control::rtb_tischlimit,               Control::rtb_soll_kapital,
    Control::rtb_anzahl_durchlauf, Control::rtb_min_kapital,
    Control::rtb_g1, Control::rtb_g2, Control::rtb_g3, Control::rtb_g4, Control::rtb_g5, Control::rtb_g6,
    Control::rtb_g7, Control::rtb_g8, Control::rtb_g9, Control::rtb_g10, Control::rtb_g11,
    Control::rtb_v1, Control::rtb_v2, Control::rtb_v3, Control::rtb_v4, Control::rtb_v5, Control::rtb_v6,
    Control::rtb_v7, Control::rtb_v8, Control::rtb_v9, Control::rtb_v10, Control::rtb_v11,
};
// clang-format on

// clang-format off
const Control kOptionBoxes[kFlagLines] = {
    Control::checkbox_bei_gewinn_erster_einsatz, Control::checkbox_bei_verlust_erster_einsatz,
    Control::checkbox_tauschen_bei_gewinn,       Control::checkbox_bei_tischlimit_neueinsatz,
    Control::checkbox_zero_oder_zerozero,        Control::checkbox_rot_oder_schwarz,
};
// clang-format on

std::size_t TextLineOf(Control field) {
  return static_cast<std::size_t>(std::find(std::begin(kTextFields), std::end(kTextFields), field) -
                                  std::begin(kTextFields));
}

std::size_t OptionLineOf(Control box) {
  return static_cast<std::size_t>(std::find(std::begin(kOptionBoxes), std::end(kOptionBoxes), box) -
                                  std::begin(kOptionBoxes));
}

Values Collect(const FormOperations& form) {
  Values values;
  for (std::size_t i = 0; i < kTextLines; ++i) values.texts[i] = form.GetText(kTextFields[i]).GetText();
  for (std::size_t i = 0; i < kFlagLines; ++i) values.options[i] = form.GetChecked(kOptionBoxes[i]);
  return values;
}

void Apply(FormOperations& form, const Values& values) {
  for (std::size_t i = 0; i < kTextLines; ++i) form.SetText(kTextFields[i], WString(values.texts[i].c_str()));
  for (std::size_t i = 0; i < kFlagLines; ++i) form.SetChecked(kOptionBoxes[i], values.options[i]);
}

std::string Format(const Values& values) {
  std::string bytes;
  for (const std::string& text : values.texts) bytes += text + "\r\n";
  for (bool option : values.options) bytes += option ? "1\r\n" : "0\r\n";
  return bytes;
}

bool OptionOf(const std::string& line) { return TruncateToInt32(ParseDecimal(line.c_str())) == 1; }

Parsed Parse(const std::string& bytes) {
  Parsed parsed;
  std::string line;
  const auto take = [&parsed](std::string& value) {
    if (parsed.lines < kTextLines) {
      parsed.values.texts[parsed.lines] = value;
    } else if (parsed.lines < kLines) {
      parsed.values.options[parsed.lines - kTextLines] = OptionOf(value);
    }
    if (parsed.lines < kLines) ++parsed.lines;
    value.clear();
  };
  for (char byte : bytes) {
    if (byte == '\r') continue;
    if (byte == '\n') {
      take(line);
      if (parsed.lines == kLines) break;  // later lines are not settings
    } else if (line.size() == kLongestLine) {
      parsed.long_line = parsed.lines + 1;
      return parsed;
    } else {
      line += byte;
    }
  }
  if (!line.empty()) take(line);
  parsed.complete = parsed.lines == kLines;
  return parsed;
}

}  // namespace SettingsFile
