#pragma once

#include "framework/windows/WWindow.h"

// A child window of a form, bound to the template child with its ID.
class WControl : public WWindow {
  W_DECLARE_CLASS(WControl, WWindow)

 public:
  bool CreateFromResource(WWindow* parent, const WResourceID& id, void* module = nullptr) override;
  // Names the template item this control binds to when its form's window
  // is made, for a control object made before its form's window.
  void SetTemplateItem(WWindow* form, int32_t id);
};

class WTextBox : public WControl {
  W_DECLARE_CLASS(WTextBox, WControl)

 public:
  bool SetTextLimit(uint32_t characters);
  // Adds the text at the end, costing what is added rather than the whole
  // text; afterwards the field looks as if its whole text had been set:
  // caret at the start, first line at the top.
  bool AppendText(const WString& text);
};

// A rich-edit field. Its system library is loaded the first time any rich
// text box asks for its window class name.
class WRichTextBox : public WTextBox {
  W_DECLARE_CLASS(WRichTextBox, WTextBox)

 public:
  static const char* GetWindowClassName();
  // Binds the field and gives its text a small margin at both sides.
  bool CreateFromResource(WWindow* parent, const WResourceID& id, void* module = nullptr) override;
  bool SetBackColor(const WColor& colour) override;
  bool SetForeColor(const WColor& colour) override;
};

class WStatic : public WControl {
  W_DECLARE_CLASS(WStatic, WControl)
};

// A caption; with auto-size on it fits itself to its text and font.
class WLabel : public WStatic {
  W_DECLARE_CLASS(WLabel, WStatic)

 public:
  bool SetText(const WString& text) override;
  bool SetFont(const WFont& font, bool redraw = true) override;
  bool SetAutoSize(bool on);

 private:
  bool Fit();
  bool auto_size_ = false;
};

class WFrame : public WStatic {
  W_DECLARE_CLASS(WFrame, WStatic)
};

class WButton : public WControl {
  W_DECLARE_CLASS(WButton, WControl)

 public:
  bool SetHighlight(bool pushed);
  bool SetFont(const WFont& font, bool redraw = true) override;
  bool SetAutoSize(bool on);
  // Clicked (0) raises ClickEvent, double-clicked (5) DoubleClickEvent.
  bool OnNotification(uint32_t code) override;

 protected:
  virtual bool Fit();
  // Moves the button hidden, shows it again if it was visible and sets its
  // font again.
  bool MoveHidden(const WRect& bounds);

 private:
  bool auto_size_ = false;
};

class WCommandButton : public WButton {
  W_DECLARE_CLASS(WCommandButton, WButton)
};

class WCheckBox : public WButton {
  W_DECLARE_CLASS(WCheckBox, WButton)

 public:
  // Whether the state read back is the one asked for.
  bool SetChecked(bool checked);
  bool GetChecked() const;

 protected:
  bool Fit() override;
};

class WGroupBox : public WControl {
  W_DECLARE_CLASS(WGroupBox, WControl)
};
