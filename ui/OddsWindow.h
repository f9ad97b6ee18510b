#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "framework/dialogs/WFileDialog.h"
#include "framework/events/WTimer.h"
#include "framework/windows/WControls.h"
#include "framework/windows/WForm.h"
#include "framework/windows/WPaintedWindow.h"
#include "ui/odds/OddsAnswer.h"
#include "ui/odds/OddsInput.h"
#include "ui/odds/OddsWorker.h"

class Form1;

// A second top-level window, owned by the main form: the exact odds of what
// the main form's fields and boxes hold, as the batch program prints them
// and as a chart of its sessions' course, with the sessions of the
// form's run drawn over it. It follows the form by looking at it every
// tick: a change that stays for a short pause is computed anew, off the
// window's thread, the newest change replacing an older one.
class OddsWindow : public WForm {
  W_DECLARE_CLASS(OddsWindow, WForm)

 public:
  static constexpr const char* kTemplate = "ID_ODDS";
  static constexpr uint32_t kTickMs = 100;
  // How long a change must stay before its odds are computed.
  static constexpr uint32_t kPauseMs = 300;

  explicit OddsWindow(Form1& form);
  ~OddsWindow() override;

  // Makes the window, owned by the main form, or brings it forward.
  bool Open();
  // The answer shown, and the dialog that asks where its page goes.
  const OddsAnswer& answer() const { return answer_; }
  WFileDialog& page_dialog() { return dialog_; }

  bool on_create(WObject* source, WEventData* data);
  bool on_destroy(WObject* source, WEventData* data);
  bool on_resize(WObject* source, WEventData* data);
  bool on_tick(WObject* source, WEventData* data);
  bool on_paint_chart(WObject* source, WEventData* data);
  bool on_save_click(WObject* source, WEventData* data);

 private:
  void Layout();
  // Reads the form; asks for odds of what stayed changed for the pause.
  void FollowForm(uint32_t now);
  void Ask(const OddsInput& input);
  void ShowAnswer(OddsAnswer answer);
  void ShowStatus();
  void SetTextOf(WWindow& control, const std::string& utf8);

  // Its owner, which it only reads.
  Form1& form_;
  std::unique_ptr<OddsWorker> worker_;
  WTimer timer_;
  WTextBox text_;
  WLabel status_;
  WCommandButton save_;
  WPaintedWindow chart_;
  WFileDialog dialog_;

  bool asked_ = false;
  SettingsFile::Values asked_values_;
  SettingsFile::Values latest_values_;
  uint32_t latest_since_ = 0;
  std::string failure_;
  OddsAnswer answer_;
  // What of the run the chart and the status last showed.
  int32_t sessions_shown_ = -1;
  std::size_t games_shown_ = 0;
  std::string status_shown_;
};
