#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "framework/events/WEventGenerator.h"
#include "framework/windows/WResourceID.h"

class WMenuItem;
class WPopupMenu;

// Accelerator keys loaded from a resource; freed with the object.
class WAcceleratorTable : public WObject {
  W_DECLARE_CLASS(WAcceleratorTable, WObject)

 public:
  WAcceleratorTable(const WResourceID& id, void* module);
  WAcceleratorTable(const WAcceleratorTable&) = delete;
  WAcceleratorTable& operator=(const WAcceleratorTable&) = delete;
  ~WAcceleratorTable() override;
  void* GetHandle() const { return handle_; }

 private:
  void* handle_ = nullptr;
};

class WMenuObject : public WEventGenerator {
  W_DECLARE_CLASS(WMenuObject, WEventGenerator)
};

// A menu and its entries as objects, in menu order: a WMenuItem for a
// command, a WPopupMenu for a popup, nothing for a separator.
class WMenu : public WMenuObject {
  W_DECLARE_CLASS(WMenu, WMenuObject)

 public:
  // Loads the menu resource, and the accelerator table of the same
  // identifier when asked.
  WMenu(const WResourceID& id, void* module, bool load_accelerators);
  ~WMenu() override;

  bool IsLoaded() const { return handle_ != nullptr; }
  void* GetHandle() const { return handle_; }
  // The popup at a position of this menu; null for a command or no entry.
  WPopupMenu* GetPopup(std::size_t position) const;
  // The item with the command ID, here or (when asked) in the popups.
  WMenuItem* FindItem(const WResourceID& command, bool search_popups = true) const;
  // This menu or the popup below it with the system menu handle; null for
  // none.
  WMenu* FindMenu(void* handle);
  const WAcceleratorTable* GetAccelerators() const { return accelerators_.get(); }
  // Forget the system menu when a window that owns it destroys it.
  void ReleaseHandle() { handle_ = nullptr; }

 protected:
  // A popup's entries, owned by the menu that loaded them.
  explicit WMenu(void* popup_handle);

 private:
  void ReadEntries();

  void* handle_ = nullptr;
  bool owns_handle_ = false;
  std::vector<std::unique_ptr<WMenuObject>> entries_;
  std::unique_ptr<WAcceleratorTable> accelerators_;
};

class WPopupMenu : public WMenu {
  W_DECLARE_CLASS(WPopupMenu, WMenu)

 public:
  explicit WPopupMenu(void* handle) : WMenu(handle) {}
};

// A command of a menu: raises ClickEvent when it is chosen by menu or
// accelerator.
class WMenuItem : public WMenuObject {
  W_DECLARE_CLASS(WMenuItem, WMenuObject)

 public:
  explicit WMenuItem(uint32_t command) : command_(command) {}
  uint32_t GetCommand() const { return command_; }
  // Raises ClickEvent; whether a handler handled it.
  virtual bool Click() { return CallEventHandlers(ClickEvent, this); }

 private:
  uint32_t command_;
};
