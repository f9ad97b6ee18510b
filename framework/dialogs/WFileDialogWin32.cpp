#include "framework/events/WindowsHeadersWin32.h"
#include <commdlg.h>

#include <algorithm>
#include <vector>

#include "framework/dialogs/WFileDialog.h"

namespace {

const char kDialogProperty[] = "WFileDialog";

bool ExplorerStyleAvailable() {
  const DWORD version = GetVersion();
  const bool nt_family = (version & 0x80000000u) == 0;
  const DWORD major = version & 0xFF;
  return nt_family || major >= 4;
}

// Offers each message of the dialog to its object as MessageHookEvent.
UINT_PTR CALLBACK HookProcedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_INITDIALOG) {
    auto* record = reinterpret_cast<OPENFILENAMEA*>(lparam);
    auto* dialog = reinterpret_cast<WFileDialog*>(record->lCustData);
    SetPropA(window, kDialogProperty, dialog);
    // With explorer style the hook's window is a child of the dialog.
    if (dialog && (record->Flags & OFN_EXPLORER)) SetPropA(GetParent(window), kDialogProperty, dialog);
  }
  auto* dialog = static_cast<WFileDialog*>(GetPropA(window, kDialogProperty));
  if (!dialog) return 0;
  if (message == WM_NCDESTROY) RemovePropA(window, kDialogProperty);
  WMessageEventData data;
  data.message.window = window;
  data.message.message = message;
  data.message.wparam = wparam;
  data.message.lparam = lparam;
  if (!dialog->CallEventHandlers(MessageHookEvent, dialog, &data)) return 0;
  return data.result != 0 ? 1 : 0;
}

}  // namespace

struct WFileDialog::Platform {
  OPENFILENAMEA record{};
  std::vector<char> names;
  std::string filter;
};

WFileDialog::WFileDialog()
    : flags_(kHideReadOnly | kNoChangeDirectory | kEnableHook | (ExplorerStyleAvailable() ? kExplorer : 0)),
      file_names_(1),
      platform_(std::make_unique<Platform>()) {
  AddFilter("All Files", "*.*");
  platform_->record.lStructSize = OPENFILENAME_SIZE_VERSION_400A;
  platform_->record.Flags = flags_;
  platform_->record.lCustData = reinterpret_cast<LPARAM>(this);
  platform_->record.lpfnHook = &HookProcedure;
}

WFileDialog::~WFileDialog() = default;

bool WFileDialog::ShowSaveDialog() {
  SetShowing(true);
  Platform& platform = *platform_;
  OPENFILENAMEA& record = platform.record;
  record.hwndOwner = static_cast<HWND>(GetOwner());

  if (platform.names.empty()) platform.names.resize(kMinimumNameBuffer + 1);
  std::fill(platform.names.begin(), platform.names.end(), '\0');
  record.lpstrFile = platform.names.data();
  record.nMaxFile = static_cast<DWORD>(platform.names.size() - 1);

  if (platform.filter.empty()) platform.filter = BuildFilterString();
  record.lpstrFilter = platform.filter.c_str();
  record.lpstrTitle = title_.GetLength() ? title_.GetText() : nullptr;

  const std::string proposed = TakeProposedName();
  proposed.copy(platform.names.data(), std::min(proposed.size(), platform.names.size() - 1));
  record.lpstrInitialDir = initial_directory_.GetLength() ? initial_directory_.GetText() : nullptr;

  uint32_t flags = flags_;
  if (!ExplorerStyleAvailable()) flags &= ~kExplorer;
  record.Flags = flags | kEnableHook;
  record.lpfnHook = &HookProcedure;
  record.lCustData = reinterpret_cast<LPARAM>(this);

  WFileDialogPromptData data;
  data.record = &record;
  CallEventHandlers(CommonDialogPromptEvent, this, &data);

  data.outcome = GetSaveFileNameA(&record) != FALSE;
  data.after = true;
  CallEventHandlers(CommonDialogPromptEvent, this, &data);
  if (data.outcome) SetFileName(WFilePath(platform.names.data()), 0);
  SetShowing(false);
  return data.outcome;
}
