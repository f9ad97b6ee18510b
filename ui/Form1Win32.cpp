#include "framework/events/WindowsHeadersWin32.h"
#include <shellapi.h>

#include "files/FileAccess.h"
#include "files/FileErrors.h"
#include "files/InfoTexts.h"
#include "files/ResultsReport.h"
#include "files/SettingsFile.h"
#include "framework/dialogs/WMessageBox.h"
#include "resources/MainFormResources.h"
#include "ui/Form1.h"

namespace {

Form1* main_form = nullptr;

}  // namespace

Form1* MainForm() { return main_form; }
void SetMainForm(Form1* form) { main_form = form; }

Form1::Form1(const FormClock& clock)
    : controls_(*this, clock), cache_(controls_, [&clock] { return clock.Milliseconds(); }), simulation_(cache_) {}

Form1::~Form1() {
  // While this part still exists, so that the destroy handler sees it.
  Destroy();
}

bool Form1::is_main_form() const { return main_form == this; }

template <typename Step>
void Form1::run_step(Step step) {
  cache_.Forget();
  step();
  cache_.Flush();
}

void Form1::reset_settings() {
  run_step([this] { simulation_.reset_settings(); });
}

bool Form1::on_form_cancel(WObject*, WEventData*) {
  quit();
  return false;
}

bool Form1::on_start_click(WObject*, WEventData*) {
  simulation_.request_start();
  return false;
}

bool Form1::on_menu_start(WObject* source, WEventData* data) { return on_start_click(source, data); }

bool Form1::on_stop_click(WObject*, WEventData*) {
  simulation_.request_stop();
  return false;
}

bool Form1::on_menu_stop(WObject* source, WEventData* data) { return on_stop_click(source, data); }

bool Form1::on_session_timer(WObject*, WEventData*) {
  run_step([this] { simulation_.on_session_timer(); });
  return false;
}

bool Form1::on_poll_timer(WObject*, WEventData*) {
  run_step([this] { simulation_.on_poll_timer(); });
  return false;
}

bool Form1::on_menu_reset(WObject*, WEventData*) {
  reset_settings();
  return false;
}

bool Form1::on_menu_exit(WObject*, WEventData*) {
  quit();
  return false;
}

bool Form1::on_menu_save(WObject*, WEventData*) {
  run_step([this] { save(); });
  return false;
}

bool Form1::on_menu_load(WObject*, WEventData*) {
  run_step([this] { load(); });
  return false;
}

void Form1::save() {
  // The report describes the run that was played: its options are the
  // stored flags. The settings file keeps what the window shows.
  if (WFileDialog* dialog = filedialog_1()) {
    dialog->SetFileName(".\\*.txt");
    if (dialog->ShowSaveDialog()) {
      const std::string path = dialog->GetFileName(0).GetText();
      report_failure(path, FileAccess::WriteReplacing(path, ResultsReport::Format(cache_, simulation_.settings())));
    }
  }
  const std::string settings = SettingsFile::Format(SettingsFile::Collect(cache_));
  report_failure(SettingsFile::kName, FileAccess::WriteReplacing(SettingsFile::kName, settings));
}

void Form1::report_failure(const std::string& file, const std::string& reason) {
  if (!reason.empty()) cache_.ShowInformation("Fehler", FileErrors::NotWritten(file, reason).c_str());
}

void Form1::load() {
  // Nothing changes unless the whole file is there.
  std::string bytes;
  const std::string reason = FileAccess::Read(SettingsFile::kName, bytes);
  if (!reason.empty()) {
    cache_.ShowInformation("Fehler", FileErrors::NotRead(SettingsFile::kName, reason).c_str());
    return;
  }
  const SettingsFile::Parsed parsed = SettingsFile::Parse(bytes);
  const std::string unusable = FileErrors::Unusable(SettingsFile::kName, parsed);
  if (!unusable.empty()) {
    cache_.ShowInformation("Fehler", unusable.c_str());
    return;
  }
  SettingsFile::Apply(cache_, parsed.values);
}

bool Form1::on_menu_info(WObject*, WEventData*) {
  WMessageBox::ShowInformation(nullptr, InfoTexts::kInfoCaption, "%s", InfoTexts::kInfoNotice);
  return false;
}

bool Form1::on_menu_help(WObject*, WEventData*) {
  run_step([this] {
    cache_.SetFont(Control::label_alle_zahlen, InfoTexts::kHelpFont);
    cache_.SetText(Control::label_alle_zahlen, WString(InfoTexts::kHelpText));
  });
  return false;
}

bool Form1::on_menu_odds(WObject*, WEventData*) {
  // A window closed alone is made anew: nothing of the old one is in use
  // while the menu's command runs.
  if (odds_ && !odds_->GetHandle()) odds_.reset();
  if (!odds_) odds_ = std::make_unique<OddsWindow>(*this);
  odds_->Open();
  return false;
}

bool Form1::on_sponsor_mouse_down(WObject*, WEventData*) {
  WWindow* caption = control("label_werbung_muss_sein");
  if (caption) caption->SetForeColor(WColor(128, 0, 128));
  // The user's own browser; when none starts, nothing else changes.
  ShellExecuteA(nullptr, "open", InfoTexts::kSponsorPage, nullptr, nullptr, SW_SHOW);
  return false;
}

bool Form1::on_sponsor_mouse_move(WObject*, WEventData*) {
  if (WWindow* caption = control("label_werbung_muss_sein")) {
    caption->SetCursor(WCursor(IDC_SPONSOR_CURSOR, GetModuleHandleA(nullptr)));
  }
  return false;
}
