#pragma once

#include <array>
#include <cstddef>
#include <string>

#include "sim/FormOperations.h"

// The settings file "roul_dat.dat" in the working directory: the thirty
// input fields as the controls hold them, then the six options as "1" or
// "0", one value a line, every line ended by CR LF.
namespace SettingsFile {

constexpr const char* kName = "roul_dat.dat";
constexpr std::size_t kTextLines = 30;
constexpr std::size_t kFlagLines = 6;
constexpr std::size_t kLines = kTextLines + kFlagLines;

// The control of every line, in file order.
extern const Control kTextFields[kTextLines];
extern const Control kOptionBoxes[kFlagLines];

// The line of a field among the texts, or of a box among the options;
// kTextLines or kFlagLines where the file does not keep it.
std::size_t TextLineOf(Control field);
std::size_t OptionLineOf(Control box);

struct Values {
  std::array<std::string, kTextLines> texts;
  std::array<bool, kFlagLines> options{};
};

// What the form shows now: the fields' texts and the check boxes' states.
Values Collect(const FormOperations& form);
// Puts the values into the fields and check boxes.
void Apply(FormOperations& form, const Values& values);

// The file's bytes.
std::string Format(const Values& values);

// The longest line a field takes: no number needs more, and a field given
// a far longer text would keep the window busy laying it out.
constexpr std::size_t kLongestLine = 255;

struct Parsed {
  // Whether the file holds all 36 lines, none too long; nothing is to be
  // applied otherwise.
  bool complete = false;
  // The lines found (at most 36 are counted).
  std::size_t lines = 0;
  // The first line, from 1, longer than kLongestLine; 0 where none is.
  std::size_t long_line = 0;
  Values values;
};

// Reads the bytes of a file: lines end at LF, every CR is dropped, a last
// line without its line break counts, lines after the 36th are ignored. A
// line longer than kLongestLine ends the reading there.
Parsed Parse(const std::string& bytes);

// An option line: the number at its start, truncated toward zero, is 1.
bool OptionOf(const std::string& line);

}  // namespace SettingsFile
