#include "framework/events/WindowsHeadersWin32.h"

#include "framework/windows/WMenu.h"

WAcceleratorTable::WAcceleratorTable(const WResourceID& id, void* module)
    : handle_(LoadAcceleratorsA(static_cast<HINSTANCE>(module), id.ForSystem())) {}

WAcceleratorTable::~WAcceleratorTable() {
  if (handle_) DestroyAcceleratorTable(static_cast<HACCEL>(handle_));
}

WMenu::WMenu(const WResourceID& id, void* module, bool load_accelerators)
    : handle_(LoadMenuA(static_cast<HINSTANCE>(module), id.ForSystem())), owns_handle_(true) {
  if (!handle_) return;
  ReadEntries();
  if (load_accelerators) {
    accelerators_ = std::make_unique<WAcceleratorTable>(id, module);
    if (!accelerators_->GetHandle()) accelerators_.reset();
  }
}

WMenu::WMenu(void* popup_handle) : handle_(popup_handle) { ReadEntries(); }

WMenu::~WMenu() {
  if (owns_handle_ && handle_ && IsMenu(static_cast<HMENU>(handle_))) DestroyMenu(static_cast<HMENU>(handle_));
}

void WMenu::ReadEntries() {
  HMENU menu = static_cast<HMENU>(handle_);
  const int count = GetMenuItemCount(menu);
  for (int position = 0; position < count; ++position) {
    if (HMENU popup = GetSubMenu(menu, position)) {
      entries_.push_back(std::make_unique<WPopupMenu>(popup));
    } else if (GetMenuState(menu, position, MF_BYPOSITION) & MF_SEPARATOR) {
      entries_.push_back(nullptr);
    } else {
      entries_.push_back(std::make_unique<WMenuItem>(GetMenuItemID(menu, position)));
    }
  }
}

WPopupMenu* WMenu::GetPopup(std::size_t position) const {
  if (position >= entries_.size() || !entries_[position]) return nullptr;
  return dynamic_cast<WPopupMenu*>(entries_[position].get());
}

WMenuItem* WMenu::FindItem(const WResourceID& command, bool search_popups) const {
  for (const auto& entry : entries_) {
    if (auto* item = dynamic_cast<WMenuItem*>(entry.get())) {
      if (item->GetCommand() == command.GetNumber()) return item;
    } else if (auto* popup = dynamic_cast<WPopupMenu*>(entry.get()); popup && search_popups) {
      if (WMenuItem* found = popup->FindItem(command, true)) return found;
    }
  }
  return nullptr;
}

WMenu* WMenu::FindMenu(void* handle) {
  if (!handle) return nullptr;
  if (handle == handle_) return this;
  for (const auto& entry : entries_) {
    if (auto* popup = dynamic_cast<WPopupMenu*>(entry.get())) {
      if (WMenu* found = popup->FindMenu(handle)) return found;
    }
  }
  return nullptr;
}
