#include "ui/CachedForm.h"

#include <utility>

CachedForm::CachedForm(FormOperations& controls, std::function<uint32_t()> milliseconds)
    : controls_(controls), milliseconds_(std::move(milliseconds)), last_shown_(milliseconds_()) {}

void CachedForm::Settle() const {
  // Writing the game only fills the cache, which const reads fill anyway.
  if (game_.IsHeld()) game_.Release(const_cast<CachedForm&>(*this));
}

CachedForm::Entry& CachedForm::At(Control control) const {
  Settle();
  return entries_[static_cast<std::size_t>(control)];
}

WString CachedForm::GetText(Control control) const {
  Entry& entry = At(control);
  if (!entry.text_known) {
    entry.text = controls_.GetText(control);
    if (entry.pending & kAppend) entry.text += entry.appended;
    entry.text_known = true;
  }
  return entry.text;
}

void CachedForm::AppendText(Control control, const WString& text) {
  Entry& entry = At(control);
  if (entry.text_known) entry.text += text;
  if (entry.pending & kText) return;
  entry.appended += text;
  Mark(control, kAppend);
}

void CachedForm::ShowGame(const GameView& game) {
  game_.Hold(game);
  any_pending_ = true;
}

void CachedForm::SetText(Control control, const WString& text) {
  Entry& entry = At(control);
  entry.text = text;
  entry.text_known = true;
  entry.appended = WString();
  entry.pending &= static_cast<uint8_t>(~kAppend);
  Mark(control, kText);
}

void CachedForm::SetForeColor(Control control, const WColor& colour) {
  At(control).fore = colour;
  Mark(control, kFore);
}

void CachedForm::SetBackColor(Control control, const WColor& colour) {
  At(control).back = colour;
  Mark(control, kBack);
}

void CachedForm::SetFont(Control control, const char* description) {
  At(control).font = description;
  Mark(control, kFont);
}

bool CachedForm::GetChecked(Control check_box) const {
  Entry& entry = At(check_box);
  if (!entry.checked_known) {
    entry.checked = controls_.GetChecked(check_box);
    entry.checked_known = true;
  }
  return entry.checked;
}

void CachedForm::SetChecked(Control check_box, bool checked) {
  Entry& entry = At(check_box);
  entry.checked = checked;
  entry.checked_known = true;
  Mark(check_box, kChecked);
}

void CachedForm::ShowInformation(const char* caption, const char* text) {
  // The box shows over a window that is up to date; the box's own loop may
  // run other steps of the form.
  Flush();
  controls_.ShowInformation(caption, text);
  Forget();
}

void CachedForm::StartSessionTimer(uint32_t interval_ms, int32_t ticks) {
  Settle();
  controls_.StartSessionTimer(interval_ms, ticks);
}

void CachedForm::Sleep(uint32_t milliseconds) {
  const uint32_t now = milliseconds_();
  if (milliseconds == 0 && now - last_shown_ < kShowInterval) return;
  Flush();
  controls_.Sleep(milliseconds);
  last_shown_ = milliseconds_();
}

void CachedForm::Mark(Control control, Pending what) {
  At(control).pending |= what;
  any_pending_ = true;
}

void CachedForm::Flush() {
  Settle();
  if (!any_pending_) return;
  any_pending_ = false;
  for (std::size_t i = 0; i < kControlCount; ++i) {
    Entry& entry = entries_[i];
    if (!entry.pending) continue;
    const auto control = static_cast<Control>(i);
    const uint8_t pending = std::exchange(entry.pending, uint8_t{0});
    if (pending & kFont) controls_.SetFont(control, entry.font.c_str());
    if (pending & kBack) controls_.SetBackColor(control, entry.back);
    if (pending & kFore) controls_.SetForeColor(control, entry.fore);
    if (pending & kText) controls_.SetText(control, entry.text);
    if (pending & kAppend) controls_.AppendText(control, std::exchange(entry.appended, WString()));
    if (pending & kChecked) controls_.SetChecked(control, entry.checked);
  }
}

void CachedForm::Forget() {
  Settle();
  for (Entry& entry : entries_) {
    if (!(entry.pending & kText)) entry.text_known = false;
    if (!(entry.pending & kChecked)) entry.checked_known = false;
  }
}
