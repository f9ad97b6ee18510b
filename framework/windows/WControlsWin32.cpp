#include "framework/events/WindowsHeadersWin32.h"
#include <richedit.h>

#include <algorithm>

#include "framework/app/WFrameworkError.h"
#include "framework/windows/WColorValueWin32.h"
#include "framework/windows/WControls.h"

namespace {

// The rich-edit library, loaded once and kept for the life of the process.
class RichEditLibrary {
 public:
  RichEditLibrary() : module_(LoadLibraryA("RICHED32.DLL")) {}
  RichEditLibrary(const RichEditLibrary&) = delete;
  RichEditLibrary& operator=(const RichEditLibrary&) = delete;
  ~RichEditLibrary() {
    if (module_) FreeLibrary(module_);
  }

 private:
  HMODULE module_;
};

// A device context of the screen with a window's font selected.
class FontContext {
 public:
  explicit FontContext(HWND window) : window_(window), device_(GetDC(window)) {
    HFONT font = reinterpret_cast<HFONT>(SendMessageA(window, WM_GETFONT, 0, 0));
    if (font) previous_ = SelectObject(device_, font);
  }
  FontContext(const FontContext&) = delete;
  FontContext& operator=(const FontContext&) = delete;
  ~FontContext() {
    if (previous_) SelectObject(device_, previous_);
    ReleaseDC(window_, device_);
  }
  HDC Get() const { return device_; }
  bool HasFont() const { return previous_ != nullptr; }

 private:
  HWND window_;
  HDC device_;
  HGDIOBJ previous_ = nullptr;
};

// Dialog units of the window's font: a quarter of the average character
// width across, an eighth of the character height down.
struct DialogUnits {
  double across;
  double down;
};

DialogUnits UnitsOf(const FontContext& context) {
  if (!context.HasFont()) {
    const LONG base = GetDialogBaseUnits();
    return {LOWORD(base) * 0.25, HIWORD(base) * 0.125};
  }
  SIZE letters{};
  GetTextExtentPoint32A(context.Get(), "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz", 52, &letters);
  TEXTMETRICA metrics{};
  GetTextMetricsA(context.Get(), &metrics);
  const int average = (letters.cx / 26 + 1) / 2;
  return {average * 0.25, metrics.tmHeight * 0.125};
}

// The width a line of text really covers when drawn in the context's font.
// Some systems place glyphs a little further apart than their measured
// widths add up to, so a caption fitted to its measure alone would lose its
// last letter; drawing the line once shows where its ink ends.
int InkWidth(const FontContext& context, const std::string& text, int measured) {
  TEXTMETRICA metrics{};
  GetTextMetricsA(context.Get(), &metrics);
  const int width = measured + metrics.tmMaxCharWidth;
  const int height = std::max<int>(1, metrics.tmHeight);
  HDC memory = CreateCompatibleDC(context.Get());
  HBITMAP bitmap = CreateBitmap(width, height, 1, 1, nullptr);
  if (!memory || !bitmap) {
    if (bitmap) DeleteObject(bitmap);
    if (memory) DeleteDC(memory);
    return measured;
  }
  const HGDIOBJ previous_bitmap = SelectObject(memory, bitmap);
  const HGDIOBJ previous_font = SelectObject(memory, GetCurrentObject(context.Get(), OBJ_FONT));
  RECT all{0, 0, width, height};
  FillRect(memory, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  SetTextColor(memory, RGB(0, 0, 0));
  SetBkMode(memory, TRANSPARENT);
  DrawTextA(memory, text.c_str(), static_cast<int>(text.size()), &all, DT_SINGLELINE | DT_NOCLIP);
  int ink = measured;
  for (int x = width - 1; x >= measured && ink == measured; --x) {
    for (int y = 0; y < height; ++y) {
      if (GetPixel(memory, x, y) == RGB(0, 0, 0)) {
        ink = x + 1;
        break;
      }
    }
  }
  SelectObject(memory, previous_font);
  SelectObject(memory, previous_bitmap);
  DeleteObject(bitmap);
  DeleteDC(memory);
  return ink;
}

RECT MeasureText(HWND window, const FontContext& context, RECT bounds, UINT format) {
  const int length = GetWindowTextLengthA(window);
  std::string text(static_cast<std::size_t>(length) + 1, '\0');
  GetWindowTextA(window, text.data(), length + 1);
  text.resize(static_cast<std::size_t>(length));
  DrawTextA(context.Get(), text.c_str(), length, &bounds, format | DT_CALCRECT);
  if ((format & DT_SINGLELINE) && length > 0) {
    bounds.right = bounds.left + InkWidth(context, text, bounds.right - bounds.left);
  }
  return bounds;
}

// Switching auto-size on fits the control at once; switching it on again,
// or off, fits nothing.
template <typename FitControl>
bool SwitchAutoSize(bool& auto_size, bool on, FitControl fit) {
  const bool switched_on = on && !auto_size;
  auto_size = on;
  return !switched_on || fit();
}

}  // namespace

bool WControl::CreateFromResource(WWindow* parent, const WResourceID& id, void* /*module*/) {
  if (!parent || !parent->GetHandle()) {
    SetFrameworkError(WFrameworkError::NoWindow);
    return false;
  }
  HWND child = GetDlgItem(static_cast<HWND>(parent->GetHandle()), id.GetNumber());
  if (!child) {
    SetFrameworkError(WFrameworkError::InvalidTargetWindow);
    return false;
  }
  SetParentWindow(parent);
  SetControlID(id.GetNumber());
  return Attach(child, true);
}

void WControl::SetTemplateItem(WWindow* form, int32_t id) {
  SetParentWindow(form);
  SetControlID(id);
}

bool WTextBox::SetTextLimit(uint32_t characters) {
  if (!GetHandle()) return false;
  SendMessageA(static_cast<HWND>(GetHandle()), EM_LIMITTEXT, characters, 0);
  return true;
}

bool WTextBox::AppendText(const WString& text) {
  HWND field = static_cast<HWND>(GetHandle());
  if (!field) return false;
  // One repaint for the whole change, not one per step.
  SendMessageA(field, WM_SETREDRAW, FALSE, 0);
  // Past the end lands at the end, however the field counts line breaks.
  SendMessageA(field, EM_SETSEL, INT32_MAX, INT32_MAX);
  SendMessageA(field, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(text.GetText()));
  SendMessageA(field, EM_SETSEL, 0, 0);
  SendMessageA(field, WM_VSCROLL, SB_TOP, 0);
  SendMessageA(field, WM_SETREDRAW, TRUE, 0);
  InvalidateRect(field, nullptr, TRUE);
  return true;
}

const char* WRichTextBox::GetWindowClassName() {
  static RichEditLibrary library;
  return "RICHEDIT";
}

bool WRichTextBox::CreateFromResource(WWindow* parent, const WResourceID& id, void* module) {
  if (!WTextBox::CreateFromResource(parent, id, module)) return false;
  // Right-aligned digits would otherwise touch the border, and where the
  // system draws a line a pixel wider than it measured, lose their last one.
  constexpr LONG kMargin = 3;
  HWND window = static_cast<HWND>(GetHandle());
  RECT format;
  GetClientRect(window, &format);  // without a scroll bar's room
  format.left += kMargin;
  format.right -= kMargin;
  SendMessageA(window, EM_SETRECT, 0, reinterpret_cast<LPARAM>(&format));
  return true;
}

bool WRichTextBox::SetBackColor(const WColor& colour) {
  WWindow::SetBackColor(colour);
  if (GetHandle()) SendMessageA(static_cast<HWND>(GetHandle()), EM_SETBKGNDCOLOR, 0, ColourValue(colour));
  return true;
}

bool WRichTextBox::SetForeColor(const WColor& colour) {
  WWindow::SetForeColor(colour);
  if (!GetHandle()) return true;
  CHARFORMATA format{};
  format.cbSize = sizeof format;
  format.dwMask = CFM_COLOR;
  format.crTextColor = ColourValue(colour);
  SendMessageA(static_cast<HWND>(GetHandle()), EM_SETCHARFORMAT, SCF_ALL, reinterpret_cast<LPARAM>(&format));
  return true;
}

bool WLabel::SetText(const WString& text) {
  if (!WWindow::SetText(text)) return false;
  return !auto_size_ || Fit();
}

bool WLabel::SetFont(const WFont& font, bool redraw) {
  if (!WWindow::SetFont(font, redraw)) return false;
  return !auto_size_ || Fit();
}

bool WLabel::SetAutoSize(bool on) {
  return SwitchAutoSize(auto_size_, on, [this] { return Fit(); });
}

bool WLabel::Fit() {
  HWND window = static_cast<HWND>(GetHandle());
  WRect bounds;
  if (!window || !GetRectangle(bounds)) return false;
  const LONG style = GetWindowLongA(window, GWL_STYLE);
  const LONG extended = GetWindowLongA(window, GWL_EXSTYLE);
  const int allowance = std::min(5, ((extended & WS_EX_STATICEDGE) ? 1 : 0) + ((extended & WS_EX_CLIENTEDGE) ? 4 : 0) +
                                        ((style & WS_BORDER) ? 4 : 0) + ((extended & WS_EX_DLGMODALFRAME) ? 4 : 0));
  // A one-line label is measured without word breaks: some systems hold a
  // broken line to the starting width, and the label could never grow.
  UINT format = DT_WORDBREAK;
  switch (style & SS_TYPEMASK) {
    case SS_LEFTNOWORDWRAP: format = DT_SINGLELINE; break;
    case SS_CENTER: format |= DT_CENTER; break;
    case SS_RIGHT: format |= DT_RIGHT; break;
    default: break;
  }
  if (style & SS_NOPREFIX) format |= DT_NOPREFIX;
  const RECT inner{0, 0, std::max(1, bounds.width) - 2 * allowance, std::max(1, bounds.height) - 2 * allowance};
  const FontContext context(window);
  const RECT measured = MeasureText(window, context, inner, format);
  return SetRectangle({bounds.x, bounds.y, measured.right - measured.left + 2 * allowance,
                       measured.bottom - measured.top + 2 * allowance});
}

bool WButton::SetHighlight(bool pushed) {
  if (!GetHandle()) return false;
  SendMessageA(static_cast<HWND>(GetHandle()), BM_SETSTATE, pushed ? TRUE : FALSE, 0);
  return true;
}

bool WButton::OnNotification(uint32_t code) {
  if (code == BN_CLICKED) return CallEventHandlers(ClickEvent, this);
  if (code == BN_DOUBLECLICKED) return CallEventHandlers(DoubleClickEvent, this);
  return false;
}

bool WButton::SetFont(const WFont& font, bool redraw) {
  if (!WWindow::SetFont(font, redraw)) return false;
  return !auto_size_ || Fit();
}

bool WButton::SetAutoSize(bool on) {
  return SwitchAutoSize(auto_size_, on, [this] { return Fit(); });
}

bool WButton::Fit() {
  HWND window = static_cast<HWND>(GetHandle());
  WRect bounds;
  if (!window || !GetRectangle(bounds)) return false;
  const FontContext context(window);
  const DialogUnits units = UnitsOf(context);
  const RECT text = MeasureText(window, context, RECT{0, 0, 1, 1}, DT_SINGLELINE);
  return MoveHidden({bounds.x, bounds.y, text.right - text.left + static_cast<int32_t>(8 * units.across),
                     text.bottom - text.top + static_cast<int32_t>(4 * units.down)});
}

bool WButton::MoveHidden(const WRect& bounds) {
  HWND window = static_cast<HWND>(GetHandle());
  // The style bit, not the visibility: while a form is made it is hidden
  // itself, and its buttons must come back all the same.
  const bool visible = (GetWindowLongA(window, GWL_STYLE) & WS_VISIBLE) != 0;
  ShowWindow(window, SW_HIDE);
  const bool moved = SetRectangle(bounds);
  if (visible) ShowWindow(window, SW_SHOW);
  WWindow::SetFont(GetFont(), true);
  return moved;
}

bool WCheckBox::SetChecked(bool checked) {
  if (!GetHandle()) return false;
  SendMessageA(static_cast<HWND>(GetHandle()), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
  return GetChecked() == checked;
}

bool WCheckBox::GetChecked() const {
  return GetHandle() && SendMessageA(static_cast<HWND>(GetHandle()), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

bool WCheckBox::Fit() {
  HWND window = static_cast<HWND>(GetHandle());
  WRect bounds;
  if (!window || !GetRectangle(bounds)) return false;
  // The check mark cell: a quarter of the width and a third of the height
  // of the system's check-box bitmap.
  BITMAP checks{};
  if (HBITMAP bitmap = LoadBitmapA(nullptr, reinterpret_cast<LPCSTR>(static_cast<uintptr_t>(32759)))) {
    GetObjectA(bitmap, sizeof checks, &checks);
    DeleteObject(bitmap);
  }
  const int cell_width = checks.bmWidth / 4;
  const int cell_height = checks.bmHeight / 3;
  const FontContext context(window);
  const DialogUnits units = UnitsOf(context);
  const RECT text = MeasureText(window, context, RECT{0, 0, 1, 1}, DT_SINGLELINE);
  const int height = std::max<int>(text.bottom - text.top, cell_height) + static_cast<int>(4 * units.down);
  return MoveHidden({bounds.x, bounds.y, text.right - text.left + cell_width + 7, height});
}
