#include "framework/events/WindowsHeadersWin32.h"
#include <commdlg.h>

#include <algorithm>
#include <string>
#include <vector>

#include "framework/dialogs/WFileDialog.h"

namespace {

const char kDialogProperty[] = "WFileDialog";
const char kProcedureProperty[] = "WFileDialog.procedure";

// The longest path, terminator included, that the system's dialog and the
// file calls that get its answer take. Some dialogs copy a longer one into
// a buffer of this size and overrun it; the dialog never gets to.
constexpr std::size_t kPathRoom = MAX_PATH;

bool Absolute(const std::string& name) {
  return (name.size() >= 3 && name[1] == ':' && (name[2] == '\\' || name[2] == '/')) ||
         (name.size() >= 2 && (name[0] == '\\' || name[0] == '/') && (name[1] == '\\' || name[1] == '/'));
}

// The text of a dialog's answer through one of its CDM_ messages.
std::string DialogText(HWND dialog, UINT message) {
  const auto size = static_cast<int>(SendMessageA(dialog, message, 0, 0));
  if (size <= 1) return {};
  std::string text(static_cast<std::size_t>(size), '\0');
  SendMessageA(dialog, message, static_cast<WPARAM>(size), reinterpret_cast<LPARAM>(&text[0]));
  return text.c_str();
}

// Whether the name typed, in the folder shown, makes a path longer than
// the dialog and the program can take; says so in a box owned by the
// dialog where it does.
bool RefusedAsTooLong(HWND dialog) {
  const std::string name = DialogText(dialog, CDM_GETSPEC);
  const std::size_t length =
      Absolute(name) ? name.size() : DialogText(dialog, CDM_GETFOLDERPATH).size() + 1 + name.size();
  if (length < kPathRoom) return false;
  char title[256] = {};
  GetWindowTextA(dialog, title, sizeof title);
  const std::string text = "The path would have " + std::to_string(length) + " characters; a path may have at most " +
                           std::to_string(kPathRoom - 1) + ".\nChoose a shorter name or folder.";
  MessageBoxA(dialog, text.c_str(), title, MB_OK | MB_ICONWARNING);
  return true;
}

// Stands before an explorer-style dialog's own procedure, whose hook does
// not see the dialog's commands: refuses a confirmation whose path is too
// long before the dialog takes it. (Every system the program runs on has
// explorer-style dialogs; the older kind shows no such path.)
LRESULT CALLBACK GuardProcedure(HWND dialog, UINT message, WPARAM wparam, LPARAM lparam) {
  const auto original = reinterpret_cast<WNDPROC>(GetPropA(dialog, kProcedureProperty));
  if (message == WM_COMMAND && LOWORD(wparam) == IDOK && RefusedAsTooLong(dialog)) return 0;
  if (message == WM_NCDESTROY) {
    SetWindowLongPtrA(dialog, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(original));
    RemovePropA(dialog, kProcedureProperty);
  }
  return CallWindowProcA(original, dialog, message, wparam, lparam);
}

void Guard(HWND dialog) {
  const LONG_PTR original = SetWindowLongPtrA(dialog, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&GuardProcedure));
  SetPropA(dialog, kProcedureProperty, reinterpret_cast<HANDLE>(original));
}

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
    if (record->Flags & OFN_EXPLORER) {
      if (dialog) SetPropA(GetParent(window), kDialogProperty, dialog);
      Guard(GetParent(window));
    }
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
