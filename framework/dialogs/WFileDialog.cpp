#include "framework/dialogs/WFileDialog.h"

bool WFileDialog::SetFlags(uint32_t flags) {
  flags_ = flags | kEnableHook;
  return true;
}

bool WFileDialog::SetInitialDirectory(const WFilePath& directory) {
  initial_directory_ = directory.GetText();
  return true;
}

bool WFileDialog::SetTitle(const WString& title) {
  title_ = title;
  return true;
}

bool WFileDialog::SetFileName(const WFilePath& name, std::size_t entry) {
  if (entry >= file_names_.size()) file_names_.resize(entry + 1);
  file_names_[entry] = name;
  return true;
}

WFilePath WFileDialog::GetFileName(std::size_t entry) const {
  return entry < file_names_.size() ? file_names_[entry] : WFilePath("");
}

void WFileDialog::AddFilter(const char* description, const char* pattern) {
  filters_.emplace_back(WString(description), WString(pattern));
}

std::string WFileDialog::BuildFilterString() const {
  std::string filter;
  for (const auto& [description, pattern] : filters_) {
    filter += description.GetText();
    filter += '\0';
    filter += pattern.GetText();
    filter += '\0';
  }
  filter += '\0';
  return filter;
}

std::string WFileDialog::TakeProposedName() {
  if (file_names_.empty()) file_names_.resize(1);
  WFilePath& proposed = file_names_[0];
  if (proposed.HasDriveOrDirectory()) {
    initial_directory_ = proposed.GetDriveAndDirectory();
    proposed.SetDrive("");
    proposed.SetDirectory("");
  }
  return proposed.GetText();
}
