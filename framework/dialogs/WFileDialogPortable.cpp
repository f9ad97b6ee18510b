// Systems without the platform's file dialog: nobody can choose a file, so
// a showing gives no name unless a handler of the prompt event decides
// otherwise.
#include "framework/dialogs/WFileDialog.h"

struct WFileDialog::Platform {};

WFileDialog::WFileDialog()
    : flags_(kHideReadOnly | kNoChangeDirectory | kEnableHook | kExplorer),
      file_names_(1),
      platform_(std::make_unique<Platform>()) {
  AddFilter("All Files", "*.*");
}

WFileDialog::~WFileDialog() = default;

bool WFileDialog::ShowSaveDialog() {
  SetShowing(true);
  TakeProposedName();
  WFileDialogPromptData data;
  CallEventHandlers(CommonDialogPromptEvent, this, &data);
  data.after = true;
  data.outcome = false;
  CallEventHandlers(CommonDialogPromptEvent, this, &data);
  SetShowing(false);
  return data.outcome;
}
