#include "framework/events/WindowsHeadersWin32.h"
#include <commdlg.h>

#include "batch/output/Written.h"
#include "framework/dialogs/WMessageBox.h"
#include "framework/events/WAssertionReport.h"
#include "framework/text/Utf8Win32.h"
#include "resources/OddsWindowResources.h"
#include "ui/Form1.h"
#include "ui/OddsWindow.h"
#include "ui/odds/DrawingPainter.h"

namespace {

const WEventHandlerTableEntry* OddsLifeTable() {
  static const WEventHandlerTableEntry table[] = {
      {CreateEvent, &OddsWindow::on_create, nullptr, 0},
      {DestroyEvent, &OddsWindow::on_destroy, nullptr, 0},
      {ResizeEvent, &OddsWindow::on_resize, nullptr, 0},
      {NullEvent, {}, nullptr, 0},
  };
  return table;
}

// The window's text fields show lines ended the system's way.
std::string SystemLines(const std::string& text) {
  std::string lines;
  lines.reserve(text.size() + text.size() / 40);
  for (char c : text) {
    if (c == '\n') lines += '\r';
    lines += c;
  }
  return lines;
}

constexpr uint32_t kPageDialogFlags = OFN_EXPLORER | OFN_NOCHANGEDIR | OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT;

constexpr int32_t kMargin = 8;
constexpr int32_t kTextHeight = 250;
constexpr int32_t kStatusHeight = 44;
constexpr int32_t kButtonWidth = 110;
constexpr int32_t kButtonHeight = 26;

}  // namespace

OddsWindow::OddsWindow(Form1& form) : form_(form) {
  const bool registered = SetEventHandlers(this, OddsLifeTable(), this);
  W_ASSERT(registered, "the odds window's handlers are not all registered");
  text_.SetTemplateItem(this, IDC_ODDS_TEXT);
  status_.SetTemplateItem(this, IDC_ODDS_STATUS);
  save_.SetTemplateItem(this, IDC_ODDS_SAVE);
  timer_.SetEventHandler(TimerEvent, this, &OddsWindow::on_tick);
  chart_.SetEventHandler(PaintEvent, this, &OddsWindow::on_paint_chart);
  save_.SetEventHandler(ClickEvent, this, &OddsWindow::on_save_click);
}

OddsWindow::~OddsWindow() {
  // While this part still exists, so that the destroy handler sees it.
  Destroy();
  RemoveEventHandlers(this, OddsLifeTable(), this);
}

bool OddsWindow::Open() {
  if (HWND window = static_cast<HWND>(GetHandle())) {
    ShowWindow(window, IsIconic(window) ? SW_RESTORE : SW_SHOW);
    SetForegroundWindow(window);
    return true;
  }
  return CreateFromResource(&form_, kTemplate);
}

namespace {

// Beside the main form, right or left, where the screen has room; else at
// the screen's right edge.
void PlaceBeside(HWND window, HWND owner) {
  RECT own{};
  RECT mine{};
  if (!owner || !GetWindowRect(owner, &own) || !GetWindowRect(window, &mine)) return;
  const int width = mine.right - mine.left;
  const int screen = GetSystemMetrics(SM_CXSCREEN);
  int x = std::max(0, screen - width);
  if (own.right + width <= screen) {
    x = own.right;
  } else if (own.left >= width) {
    x = own.left - width;
  }
  SetWindowPos(window, nullptr, x, own.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace

bool OddsWindow::on_create(WObject*, WEventData*) {
  PlaceBeside(static_cast<HWND>(GetHandle()), static_cast<HWND>(form_.GetHandle()));
  // The table lines up only in a fixed pitch, which every system has as
  // this stock font.
  text_.SetFont(WFont("0.AnsiFixed"), true);
  chart_.CreateChild(this, {});
  worker_ = std::make_unique<OddsWorker>();
  asked_ = false;
  sessions_shown_ = -1;
  Layout();
  timer_.Start(kTickMs, 0);
  FollowForm(GetTickCount());
  Show(true);
  return false;
}

bool OddsWindow::on_destroy(WObject*, WEventData*) {
  timer_.Stop();
  // Stops the work in hand and waits for it, within a game of it.
  worker_.reset();
  return false;
}

bool OddsWindow::on_resize(WObject*, WEventData*) {
  Layout();
  return false;
}

void OddsWindow::Layout() {
  RECT client;
  if (!GetHandle() || !GetClientRect(static_cast<HWND>(GetHandle()), &client)) return;
  const int32_t width = std::max<int32_t>(client.right - 2 * kMargin, 100);
  const int32_t status_top = kMargin + kTextHeight + kMargin;
  const int32_t chart_top = status_top + kStatusHeight + kMargin;
  text_.SetRectangle({kMargin, kMargin, width, kTextHeight});
  status_.SetRectangle({kMargin, status_top, width - kButtonWidth - kMargin, kStatusHeight});
  save_.SetRectangle({kMargin + width - kButtonWidth, status_top, kButtonWidth, kButtonHeight});
  chart_.SetRectangle({kMargin, chart_top, width, std::max<int32_t>(client.bottom - chart_top - kMargin, 50)});
  chart_.Invalidate();
}

void OddsWindow::FollowForm(uint32_t now) {
  const OddsInput input = OddsInputOf(form_.fields());
  if (!SameValues(input.values, latest_values_)) {
    latest_values_ = input.values;
    latest_since_ = now;
  }
  const bool changed = !asked_ || !SameValues(input.values, asked_values_);
  // The first odds come at once; later ones wait until typing pauses.
  if (changed && (!asked_ || now - latest_since_ >= kPauseMs)) Ask(input);
}

void OddsWindow::Ask(const OddsInput& input) {
  asked_ = true;
  asked_values_ = input.values;
  failure_ = input.failure;
  if (failure_.empty()) {
    worker_->Ask(input.settings);
  } else {
    worker_->Cancel();
    ShowAnswer(OddsAnswer{false, failure_ + "\n", {}});
  }
}

void OddsWindow::ShowAnswer(OddsAnswer answer) {
  answer_ = std::move(answer);
  SetTextOf(text_, answer_.text);
  sessions_shown_ = -1;
  chart_.Invalidate();
}

bool OddsWindow::on_tick(WObject*, WEventData*) {
  if (!worker_) return false;
  FollowForm(GetTickCount());
  if (std::optional<OddsAnswer> answer = worker_->TakeAnswer()) ShowAnswer(std::move(*answer));
  const SimRunState& run = form_.simulation().state();
  const std::size_t games = run.courses.empty() ? 0 : run.courses.back().balances.size();
  if (run.sessions_ended != sessions_shown_ || games != games_shown_) {
    sessions_shown_ = run.sessions_ended;
    games_shown_ = games;
    chart_.Invalidate();
  }
  ShowStatus();
  return false;
}

void OddsWindow::ShowStatus() {
  std::string status;
  if (worker_ && worker_->Busy()) {
    const std::string reached = worker_->Progress();
    status = reached.empty() ? "computing…" : "computing… " + reached;
  } else if (failure_.empty()) {
    status = RunBesideOdds(answer_, form_.simulation().state());
  }
  if (status != status_shown_) {
    status_shown_ = status;
    SetTextOf(status_, status);
  }
}

void OddsWindow::SetTextOf(WWindow& control, const std::string& utf8) {
  const std::wstring wide = WideFromUtf8(SystemLines(utf8));
  if (control.GetHandle()) SetWindowTextW(static_cast<HWND>(control.GetHandle()), wide.c_str());
}

bool OddsWindow::on_paint_chart(WObject*, WEventData* data) {
  auto* paint = static_cast<WPaintEventData*>(data);
  const SimRunState& run = form_.simulation().state();
  const std::optional<Drawing> chart = OddsChart(answer_, run.courses);
  const WRect whole{0, 0, paint->width, paint->height};
  if (chart) {
    PaintDrawing(*chart, *paint->painter, whole);
  } else {
    WTextStyle style;
    style.align = WTextAlign::Center;
    style.colour = WRgb(96, 96, 96);
    paint->painter->Text({paint->width / 2, paint->height / 2}, "no course to draw", style);
  }
  return true;
}

bool OddsWindow::on_save_click(WObject*, WEventData*) {
  const std::string page = OddsPage(answer_);
  if (page.empty()) {
    WMessageBox::ShowInformation(GetHandle(), "Vantrel odds", "%s", "There are no odds to save yet.");
    return true;
  }
  dialog_.SetOwner(GetHandle());
  // The main form's settings file is found in the current folder, so the
  // dialog must not change it; an existing page is replaced only when the
  // user says so.
  dialog_.SetFlags(kPageDialogFlags);
  dialog_.SetFileName("odds.html");
  if (!dialog_.ShowSaveDialog()) return true;
  const std::string path = dialog_.GetFileName(0).GetText();
  if (MaybeProblem problem = WriteWhole(path, page)) {
    WMessageBox::ShowInformation(GetHandle(), "Vantrel odds", "%s", problem->text.c_str());
  }
  return true;
}
