#pragma once

#include <cstddef>
#include <cstdint>

#include "sim/Control.h"

// The members of the main form in member order: one control object for
// each item of the dialog template (in ascending ID order), with the two
// timers and the file dialog at their places among them. Creation, binding,
// set-up and deletion all walk this table.
namespace FormMembers {

enum class Kind { RichTextBox, Label, CheckBox, CommandButton, GroupBox, Frame, Timer, FileDialog };
enum class Check { None, Off, On };

// A colour of the framework's table: a palette index (1 to 16), or a system
// colour index (17 to 43); 0 for none.
constexpr int32_t Palette(int32_t index) { return index; }
constexpr int32_t System(int32_t index) { return index; }

struct Member {
  int32_t id;  // control ID; 0 for the objects that are no window
  const char* name;
  Kind kind;
  const char* font = nullptr;  // font description
  int32_t back = 0;
  int32_t fore = 0;
  const char* tooltip = nullptr;  // Windows-1252 text
  bool auto_size = false;
  Check check = Check::None;
};

constexpr std::size_t kMemberCount = 95;
constexpr std::size_t kControlCount = 92;

extern const Member kMembers[kMemberCount];

// Whether the member is a window bound to a template item.
constexpr bool IsControl(Kind kind) { return kind != Kind::Timer && kind != Kind::FileDialog; }

// The index in kMembers of the member with this name, or kMemberCount.
std::size_t IndexOf(const char* name);
// The index of the control the simulation knows by this name.
std::size_t IndexOf(Control control);

}  // namespace FormMembers
