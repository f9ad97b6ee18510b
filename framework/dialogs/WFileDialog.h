#pragma once

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "framework/dialogs/WCommonDialog.h"
#include "framework/dialogs/WFilePath.h"

// The data of a dialog showing, as CommonDialogPromptEvent carries it: the
// system's parameter record before the call, and the outcome after it. A
// handler that reports the second event handled may replace the outcome.
struct WFileDialogPromptData : WEventData {
  void* record = nullptr;
  bool after = false;
  bool outcome = false;
};

// The system's file dialog, shown as a save dialog. Entry 0 of its list of
// file names is the proposed name before a showing and the chosen path
// after a confirmed one.
class WFileDialog : public WCommonDialog {
  W_DECLARE_CLASS(WFileDialog, WCommonDialog)

 public:
  static constexpr uint32_t kHideReadOnly = 0x4;
  static constexpr uint32_t kNoChangeDirectory = 0x8;
  static constexpr uint32_t kEnableHook = 0x20;
  static constexpr uint32_t kExplorer = 0x80000;
  static constexpr std::size_t kMinimumNameBuffer = 4000;

  WFileDialog();
  ~WFileDialog() override;

  // Replaces all flags; the hook flag stays set.
  bool SetFlags(uint32_t flags);
  uint32_t GetFlags() const { return flags_; }
  bool SetInitialDirectory(const WFilePath& directory);
  const char* GetInitialDirectory() const { return initial_directory_.GetText(); }
  bool SetTitle(const WString& title);
  // Stores a copy at the entry, enlarging the list as needed.
  bool SetFileName(const WFilePath& name, std::size_t entry = 0);
  // An empty path for an entry that does not exist.
  WFilePath GetFileName(std::size_t entry = 0) const;
  void AddFilter(const char* description, const char* pattern);

  // True when the user confirmed a file name.
  bool ShowSaveDialog();

  // Every description and pattern followed by a zero byte, and one more
  // zero byte at the end.
  std::string BuildFilterString() const;
  // Moves a drive or directory of entry 0 into the initial directory and
  // returns entry 0's remaining text, the name the dialog proposes.
  std::string TakeProposedName();

 private:
  struct Platform;

  uint32_t flags_;
  WString initial_directory_;
  WString title_;
  std::vector<WFilePath> file_names_;
  std::vector<std::pair<WString, WString>> filters_;
  std::unique_ptr<Platform> platform_;
};
