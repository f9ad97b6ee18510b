// A small program on the window framework: a template form with a few of
// each control class, its menu and accelerators. `--close-after MS` quits
// by itself, for screenshots.
#include "framework/events/WindowsHeadersWin32.h"

#include <cstdlib>
#include <cstring>
#include <memory>

#include "demo/framework/demo_form.h"
#include "framework/app/WApplication.h"
#include "framework/app/WMessageLoop.h"
#include "framework/dialogs/WMessageBox.h"
#include "framework/events/WTimer.h"
#include "framework/windows/WControls.h"
#include "framework/windows/WForm.h"

namespace {

class DemoForm : public WModelessDialog {
 public:
  DemoForm() {
    WRichTextBox::GetWindowClassName();
    SetEventHandler(CreateEvent, this, &DemoForm::OnCreate);
    SetEventHandler(CloseEvent, this, &DemoForm::OnClose);
    SetEventHandler(CancelEvent, this, &DemoForm::OnQuit);
  }
  ~DemoForm() override { Destroy(); }

  bool OnCreate(WObject*, WEventData*) {
    SetIcon(true, 101);
    SetBackColor(WColor(WColor::Olive));
    menu_ = std::make_unique<WMenu>("ID_DEMO_MENU", GetModuleHandleA(nullptr), true);
    if (WMenuItem* exit = menu_->FindItem(IDM_EXIT)) exit->SetEventHandler(ClickEvent, this, &DemoForm::OnQuit);
    if (WMenuItem* info = menu_->FindItem(IDM_INFO)) info->SetEventHandler(ClickEvent, this, &DemoForm::OnInfo);
    SetMenu(menu_.get());

    Bind(capital_, IDC_CAPITAL);
    Bind(games_, IDC_GAMES);
    capital_.SetText("     500");
    games_.SetText("     500");
    for (WLabel* label : {&capital_label_, &games_label_, &red_label_, &zero_label_}) {
      label->SetForeColor(WColor(WColor::White));
      label->SetBackColor(WColor(WColor::Olive));
    }
    Bind(capital_label_, IDC_CAPITAL_LABEL);
    Bind(games_label_, IDC_GAMES_LABEL);
    Bind(red_label_, IDC_RED_LABEL);
    Bind(zero_label_, IDC_ZERO_LABEL);
    capital_label_.SetAutoSize(true);
    capital_label_.SetToolTipText("Ihr Anfangskapital f\xfcr den folgenden Durchgang.");
    Bind(red_, IDC_RED);
    Bind(zero_, IDC_ZERO);
    red_.SetChecked(true);
    Bind(group_, IDC_GROUP);
    Bind(frame_, IDC_FRAME);
    Bind(start_, IDC_START);
    start_.SetFont(WFont("12.MS Sans Serif.Bold"));
    start_.SetEventHandler(ClickEvent, this, &DemoForm::OnStart);
    Bind(stop_, IDC_STOP);
    stop_.SetFont(WFont("10.MS Sans Serif"));
    Bind(number_, IDC_NUMBER);
    number_.SetFont(WFont("22.Arial Black"));
    number_.SetBackColor(WColor(WColor::Black));
    number_.SetForeColor(WColor(WColor::Yellow));
    number_.SetText("  17");
    Bind(message_, IDC_MESSAGE);
    message_.SetFont(WFont("10.MS Sans Serif.Bold"));
    message_.SetBackColor(WColor(WColor::Olive));
    message_.SetForeColor(WColor(WColor::Green));
    message_.SetText("max balance reached !");
    return false;
  }
  bool OnStart(WObject*, WEventData*) {
    message_.SetForeColor(WColor(WColor::Red));
    message_.SetText("start clicked");
    return false;
  }
  bool OnInfo(WObject*, WEventData*) {
    WMessageBox::ShowInformation(nullptr, "program-info", "Vantrel framework demonstration");
    return false;
  }
  bool OnClose(WObject*, WEventData*) {
    Destroy();
    WApplication::Current()->Quit(0);
    return true;
  }
  bool OnQuit(WObject*, WEventData*) {
    WApplication::Current()->Quit(0);
    return false;
  }

 private:
  void Bind(WControl& control, int id) { control.CreateFromResource(this, id); }

  std::unique_ptr<WMenu> menu_;
  WRichTextBox capital_, games_;
  WLabel capital_label_, games_label_, red_label_, zero_label_, number_, message_;
  WCheckBox red_, zero_;
  WGroupBox group_;
  WFrame frame_;
  WCommandButton start_, stop_;
};

class DemoApplication : public WExeApplication {
 public:
  DemoApplication() {
    SetEventHandler(StartEvent, this, &DemoApplication::OnStart);
    SetEventHandler(RunEvent, this, &DemoApplication::OnRun);
    SetEventHandler(EndEvent, this, &DemoApplication::OnEnd);
  }

  bool OnStart(WObject*, WEventData* data) {
    auto* application = static_cast<WApplicationEventData*>(data);
    form_ = std::make_unique<DemoForm>();
    if (!form_->CreateFromResource(nullptr, "ID_DEMO_FORM")) {
      form_.reset();
      application->exit_code = -1;
      application->quit = true;
      return true;
    }
    const char* close_after = std::strstr(GetCommandLine(), "--close-after ");
    if (close_after) {
      closer_.SetEventHandler(TimerEvent, this, &DemoApplication::OnCloseTimer);
      closer_.Start(static_cast<uint32_t>(std::atoi(close_after + 14)), 1);
    }
    return true;
  }
  bool OnRun(WObject*, WEventData* data) {
    WMessage last;
    RunMessageLoop(&last);
    static_cast<WApplicationEventData*>(data)->exit_code = static_cast<int32_t>(last.wparam);
    return true;
  }
  bool OnEnd(WObject*, WEventData*) {
    form_.reset();
    return true;
  }
  bool OnCloseTimer(WObject*, WEventData*) {
    Quit(0);
    return false;
  }

 private:
  std::unique_ptr<DemoForm> form_;
  WTimer closer_;
};

DemoApplication application;

}  // namespace
