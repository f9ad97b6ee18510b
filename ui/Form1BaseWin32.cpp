#include "framework/events/WindowsHeadersWin32.h"

#include "framework/events/WAssertionReport.h"
#include "framework/app/WApplication.h"
#include "framework/events/WThreadRecord.h"
#include "resources/MainFormResources.h"
#include "ui/Form1Base.h"

using FormMembers::Check;
using FormMembers::Kind;
using FormMembers::kMembers;

namespace {

void* ProgramModule() { return GetModuleHandleA(nullptr); }

// Handler tables. Each is made once per process, on first use, by the
// language's thread-safe initialisation of local statics.
const WEventHandlerTableEntry* FormLifeTable() {
  static const WEventHandlerTableEntry table[] = {
      {CreateEvent, &Form1Base::on_form_create, nullptr, 0},
      {CloseEvent, &Form1Base::on_form_close, nullptr, 0},
      {DestroyEvent, &Form1Base::on_form_destroy, nullptr, 0},
      {NullEvent, {}, nullptr, 0},
  };
  return table;
}

template <WEventNumber Event, bool (Form1Base::*Handler)(WObject*, WEventData*)>
const WEventHandlerTableEntry* OneEntryTable() {
  static const WEventHandlerTableEntry table[] = {
      {Event, Handler, nullptr, 0},
      {NullEvent, {}, nullptr, 0},
  };
  return table;
}

const WEventHandlerTableEntry* SponsorTable() {
  static const WEventHandlerTableEntry table[] = {
      {LeftButtonDownEvent, &Form1Base::on_sponsor_mouse_down, nullptr, 0},
      {MouseMoveEvent, &Form1Base::on_sponsor_mouse_move, nullptr, 0},
      {NullEvent, {}, nullptr, 0},
  };
  return table;
}

struct MenuCommand {
  uint16_t command;
  bool (Form1Base::*handler)(WObject*, WEventData*);
};

// The items of the popups at positions 0 and 1, and the three commands on
// the bar itself.
constexpr MenuCommand kProgramCommands[] = {
    {IDM_START, &Form1Base::on_menu_start},
    {IDM_STOP, &Form1Base::on_menu_stop},
    {IDM_RESET, &Form1Base::on_menu_reset},
    {IDM_EXIT, &Form1Base::on_menu_exit},
};
constexpr MenuCommand kFileCommands[] = {
    {IDM_SAVE, &Form1Base::on_menu_save}, {IDM_LOAD, &Form1Base::on_menu_load}, {IDM_INFO, &Form1Base::on_menu_info},
    {IDM_HELP, &Form1Base::on_menu_help}, {IDM_ODDS, &Form1Base::on_menu_odds},
};

std::unique_ptr<WObject> MakeMember(Kind kind) {
  switch (kind) {
    case Kind::RichTextBox: return std::make_unique<WRichTextBox>();
    case Kind::Label: return std::make_unique<WLabel>();
    case Kind::CheckBox: return std::make_unique<WCheckBox>();
    case Kind::CommandButton: return std::make_unique<WCommandButton>();
    case Kind::GroupBox: return std::make_unique<WGroupBox>();
    case Kind::Frame: return std::make_unique<WFrame>();
    case Kind::Timer: return std::make_unique<WTimer>();
    case Kind::FileDialog: return std::make_unique<WFileDialog>();
  }
  return nullptr;
}

std::size_t MemberIndex(const char* name) { return FormMembers::IndexOf(name); }

// A control table and the member it is registered on; no member means the
// form itself.
struct ControlTable {
  const char* member;
  const WEventHandlerTableEntry* (*entries)();
};

// Registered in this order once every control has its properties.
constexpr ControlTable kControlTables[] = {
    {nullptr, &OneEntryTable<CancelEvent, &Form1Base::on_form_cancel>},
    {"cb_start", &OneEntryTable<ClickEvent, &Form1Base::on_start_click>},
    {"session_timer", &OneEntryTable<TimerEvent, &Form1Base::on_session_timer>},
    {"stop", &OneEntryTable<ClickEvent, &Form1Base::on_stop_click>},
    {"poll_timer", &OneEntryTable<TimerEvent, &Form1Base::on_poll_timer>},
    {"label_werbung_muss_sein", &SponsorTable},
};

}  // namespace

Form1Base::Form1Base() {
  // The template's rich-edit items need their library before the window is
  // made.
  WRichTextBox::GetWindowClassName();
  const bool registered = SetEventHandlers(this, FormLifeTable(), this);
  W_ASSERT(registered, "the form's own handlers are not all registered");
}

Form1Base::~Form1Base() {
  Destroy();
  RemoveEventHandlers(this, FormLifeTable(), this);
  delete_members();
}

WWindow* Form1Base::control(std::size_t index) const { return dynamic_cast<WWindow*>(members_[index].get()); }

WWindow* Form1Base::control(const char* name) const {
  const std::size_t index = MemberIndex(name);
  return index < FormMembers::kMemberCount ? control(index) : nullptr;
}

void Form1Base::quit() {
  if (WApplication* application = WApplication::Current()) application->Quit(0);
}

bool Form1Base::on_form_create(WObject* /*source*/, WEventData* /*data*/) {
  create_members();
  set_up_form();
  load_menu();
  bind_controls();
  set_up_members();
  register_control_tables();
  apply_tab_order();
  reset_settings();
  if (poll_timer_) poll_timer_->Start(100, 0);
  Show(true);
  // The framework's own creation processing goes on.
  return false;
}

void Form1Base::create_members() {
  for (std::size_t i = 0; i < FormMembers::kMemberCount; ++i) members_[i] = MakeMember(kMembers[i].kind);
  session_timer_ = dynamic_cast<WTimer*>(member(MemberIndex("session_timer")));
  poll_timer_ = dynamic_cast<WTimer*>(member(MemberIndex("poll_timer")));
  filedialog_1_ = dynamic_cast<WFileDialog*>(member(MemberIndex("filedialog_1")));
}

void Form1Base::set_up_form() {
  SetIcon(is_main_form(), IDI_VANTREL, ProgramModule());
  SetFont(WFont("8.MS Sans Serif"), true);
  SetBackColor(WColor(WColor::Olive));
  SetForeColor(WColor(WColor::White));
  SetName("Form1");
}

void Form1Base::load_menu() {
  menu_ = std::make_unique<WMenu>(kMenu, ProgramModule(), true);
  if (!menu_->IsLoaded()) {
    // No menu, no accelerators; everything else works as usual.
    menu_.reset();
    return;
  }
  const auto connect = [this](const MenuCommand& command) {
    if (WMenuItem* item = menu_->FindItem(command.command, true)) {
      item->SetEventHandler(ClickEvent, this, command.handler);
    }
  };
  popup_program_ = menu_->GetPopup(0);
  for (const MenuCommand& command : kProgramCommands) connect(command);
  popup_file_ = menu_->GetPopup(1);
  for (const MenuCommand& command : kFileCommands) connect(command);
  SetMenu(menu_.get());
}

void Form1Base::bind_controls() {
  for (std::size_t i = 0; i < FormMembers::kMemberCount; ++i) {
    if (WWindow* window = control(i)) window->CreateFromResource(this, static_cast<uint16_t>(kMembers[i].id));
  }
}

void Form1Base::set_up_members() {
  for (std::size_t i = 0; i < FormMembers::kMemberCount; ++i) {
    if (kMembers[i].kind == Kind::FileDialog && filedialog_1_) {
      filedialog_1_->SetOwner(GetHandle());
      filedialog_1_->SetFlags(0x8002C);
      filedialog_1_->SetInitialDirectory("C:\\");
    } else if (control(i) && control(i)->GetHandle()) {
      set_up_control(i);
    }
  }
}

void Form1Base::set_up_control(std::size_t index) {
  const FormMembers::Member& member = kMembers[index];
  WWindow& window = *control(index);
  if (member.font) window.SetFont(WFont(member.font), true);
  if (auto* button = dynamic_cast<WCommandButton*>(&window)) {
    button->SetHighlight(false);
    if (member.auto_size) button->SetAutoSize(true);
    if (member.tooltip) button->SetToolTipText(member.tooltip);
    button->SetName(member.name);
    return;
  }
  if (member.back) window.SetBackColor(WColor(member.back));
  if (member.fore) window.SetForeColor(WColor(member.fore));
  if (member.tooltip) window.SetToolTipText(member.tooltip);
  if (member.auto_size) {
    if (auto* label = dynamic_cast<WLabel*>(&window)) label->SetAutoSize(true);
    if (auto* box = dynamic_cast<WCheckBox*>(&window)) box->SetAutoSize(true);
  }
  if (member.check != Check::None) {
    if (auto* box = dynamic_cast<WCheckBox*>(&window)) box->SetChecked(member.check == Check::On);
  }
  window.SetName(member.name);
}

void Form1Base::register_control_tables() {
  for (const ControlTable& table : kControlTables) {
    WEventGenerator* generator = table_generator(table.member);
    if (!generator) continue;  // a member that could not be made
    const bool registered = SetEventHandlers(generator, table.entries(), this);
    W_ASSERT(registered, "a control's handlers are not all registered");
  }
}

void Form1Base::remove_control_tables() {
  for (const ControlTable& table : kControlTables) {
    if (WEventGenerator* generator = table_generator(table.member)) {
      RemoveEventHandlers(generator, table.entries(), this);
    }
  }
}

WEventGenerator* Form1Base::table_generator(const char* member_name) {
  if (!member_name) return this;
  const std::size_t index = MemberIndex(member_name);
  return index < FormMembers::kMemberCount ? dynamic_cast<WEventGenerator*>(member(index)) : nullptr;
}

bool Form1Base::apply_tab_order() {
  std::array<void*, FormMembers::kControlCount> children{};
  int32_t count = 0;
  for (std::size_t i = 0; i < FormMembers::kMemberCount; ++i) {
    if (WWindow* window = control(i); window && window->GetHandle()) children[count++] = window->GetHandle();
  }
  return SetChildOrder(count, children.data());
}

bool Form1Base::on_form_close(WObject* /*source*/, WEventData* /*data*/) {
  // A close that comes while another handler runs (it waits in a message
  // box or the save dialog, whose loop took the close) must not take the
  // form from under that handler: the main form quits, which ends the box
  // or dialog, then the handler, then the loop, and the end deletes it.
  if (WThreadRecord::Current().dispatch_depth > 1) {
    if (is_main_form()) quit();
  } else if (Destroy() && is_main_form()) {
    quit();
  }
  // The framework's default close processing does not run.
  return true;
}

bool Form1Base::on_form_destroy(WObject* /*source*/, WEventData* /*data*/) {
  remove_control_tables();
  SetMenu(nullptr);
  menu_.reset();
  popup_program_ = nullptr;
  popup_file_ = nullptr;
  delete_members();
  return false;
}

void Form1Base::delete_members() {
  for (auto& object : members_) object.reset();
  session_timer_ = nullptr;
  poll_timer_ = nullptr;
  filedialog_1_ = nullptr;
}
