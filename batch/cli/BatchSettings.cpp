#include "batch/cli/BatchSettings.h"

#include <algorithm>
#include <cmath>

#include "batch/core/Money.h"
#include "files/FileAccess.h"
#include "files/FileErrors.h"
#include "files/SettingsFile.h"

namespace {

// The window's message without its second line, which tells the window's
// user that the form kept its fields.
std::string FirstLine(const std::string& message) { return message.substr(0, message.find('\n')); }

// Whether a file holds settings by name, as --print-settings writes them,
// rather than the window's fields: its first line names a setting.
bool HoldsNamedSettings(const std::string& bytes) {
  const std::size_t equals = bytes.find('=');
  return equals != std::string::npos && equals < bytes.find_first_of("\r\n") &&
         FindSetting(bytes.substr(0, equals)) != nullptr;
}

// Settings by name, a "name=value" a line as --set takes it, over the
// reset defaults; blank lines and lines from "#" on are skipped.
MaybeProblem ReadNamedSettings(const std::string& path, const std::string& bytes, RunSettings& settings) {
  constexpr std::size_t kLongestLine = 1000;
  settings = ResetDefaults();
  std::size_t number = 0;
  for (std::size_t from = 0; from < bytes.size(); ++number) {
    const std::size_t end = std::min(bytes.find('\n', from), bytes.size());
    std::string line = bytes.substr(from, end - from);
    from = end + 1;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    const std::string where = path + ", line " + std::to_string(number + 1);
    if (line.size() > kLongestLine) {
      return Problem{ProblemKind::BadInput, where + ": longer than " + std::to_string(kLongestLine) + " characters"};
    }
    if (line.empty() || line[0] == '#') continue;
    if (MaybeProblem problem = SetNamed(settings, line)) {
      problem->text = where + ": " + problem->text.substr(std::string("--set ").size());
      return problem;
    }
  }
  return std::nullopt;
}

// The settings of a file: by name, or as the window's load command reads
// them.
MaybeProblem LoadSettings(const std::string& path, RunSettings& settings) {
  std::string bytes;
  const std::string reason = FileAccess::Read(path, bytes);
  if (!reason.empty()) return Problem{ProblemKind::Unreadable, FirstLine(FileErrors::NotRead(path, reason))};
  if (HoldsNamedSettings(bytes)) return ReadNamedSettings(path, bytes, settings);
  const SettingsFile::Parsed parsed = SettingsFile::Parse(bytes);
  const std::string unusable = FileErrors::Unusable(path, parsed);
  if (!unusable.empty()) return Problem{ProblemKind::BadInput, FirstLine(unusable)};
  settings = SettingsFromFile(parsed.values);
  const std::string too_large = FirstNotFinite(settings);
  if (!too_large.empty()) {
    return Problem{ProblemKind::BadInput, path + ": its " + too_large + " is too large to be a number"};
  }
  return std::nullopt;
}

}  // namespace

MaybeProblem BuildSettings(const BatchOptions& options, RunSettings& settings) {
  settings = ResetDefaults();
  if (!options.settings.empty()) {
    if (MaybeProblem problem = LoadSettings(options.settings, settings)) return problem;
  }
  // The system first, so that every --set wins over it; rows it fills
  // follow a first bet set after it.
  if (!options.system.empty()) {
    if (MaybeProblem problem = ApplySystem(settings, options.system)) return problem;
  }
  for (const std::string& assignment : options.sets) {
    if (MaybeProblem problem = SetNamed(settings, assignment)) return problem;
  }
  return CombinationProblem(settings);
}

std::vector<std::string> SettingsNotes(const RunSettings& settings) {
  std::vector<std::string> notes;
  const double capital = settings.capital;
  if (settings.max_balance <= capital) {
    notes.push_back("note: the max balance (" + MoneyText(settings.max_balance) + ") is at or below the capital (" +
                    MoneyText(capital) + "): every session starts at or past the balance it stops at");
  }
  if (settings.min_balance >= capital) {
    notes.push_back("note: the min balance (" + MoneyText(settings.min_balance) + ") is at or above the capital (" +
                    MoneyText(capital) + "): every session starts at or past the balance it stops at");
  }
  // The engine takes whole units of both (a first bet of 2.5 bets 2).
  const std::pair<const char*, const char*> whole[] = {{"capital", "capital"}, {"first_bet", "first bet"}};
  for (const auto& [name, words] : whole) {
    const double value = EnteredValue(settings, name);
    if (value != std::trunc(value)) {
      notes.push_back(std::string("note: the ") + words + " " + MoneyText(value) + " is played as " +
                      MoneyText(std::trunc(value)) + ": the engine takes whole units");
    }
  }
  return notes;
}
