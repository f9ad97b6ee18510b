#include "framework/events/WindowsHeadersWin32.h"

#include "framework/windows/WGdiPainterWin32.h"
#include "framework/windows/WPaintedWindow.h"

namespace {

// A device context, a bitmap of the client's size and its selection into
// it, all given back in reverse order.
class OffScreen {
 public:
  OffScreen(HDC screen, int32_t width, int32_t height)
      : device_(CreateCompatibleDC(screen)), bitmap_(CreateCompatibleBitmap(screen, width, height)) {
    if (device_ && bitmap_) old_ = SelectObject(device_, bitmap_);
  }
  ~OffScreen() {
    if (old_) SelectObject(device_, old_);
    if (bitmap_) DeleteObject(bitmap_);
    if (device_) DeleteDC(device_);
  }
  OffScreen(const OffScreen&) = delete;
  OffScreen& operator=(const OffScreen&) = delete;

  bool Ready() const { return old_ != nullptr; }
  HDC Device() const { return device_; }

 private:
  HDC device_;
  HBITMAP bitmap_;
  HGDIOBJ old_ = nullptr;
};

}  // namespace

bool WPaintedWindow::CreateChild(WWindow* parent, const WRect& bounds) {
  return Create(parent, "", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, bounds);
}

void WPaintedWindow::Invalidate() {
  if (GetHandle()) InvalidateRect(static_cast<HWND>(GetHandle()), nullptr, FALSE);
}

bool WPaintedWindow::ProcessMessage(WMessage& message, intptr_t& result) {
  switch (message.message) {
    case WM_ERASEBKGND:
      // The paint covers every pixel; erasing first would flicker.
      result = 1;
      return true;
    case WM_PAINT:
      Paint();
      result = 0;
      return true;
    case WM_SIZE: Invalidate(); break;
    default: break;
  }
  return WWindow::ProcessMessage(message, result);
}

void WPaintedWindow::Paint() {
  HWND window = static_cast<HWND>(GetHandle());
  PAINTSTRUCT paint;
  HDC screen = BeginPaint(window, &paint);
  RECT client;
  GetClientRect(window, &client);
  const int32_t width = client.right;
  const int32_t height = client.bottom;
  if (screen && width > 0 && height > 0) {
    OffScreen picture(screen, width, height);
    if (picture.Ready()) {
      {
        WGdiPainter painter(picture.Device());
        painter.SetPen({background_, 0, {}});
        painter.SetBrush(background_);
        painter.Rectangle({0, 0, width, height});
        WPaintEventData data;
        data.painter = &painter;
        data.width = width;
        data.height = height;
        CallEventHandlers(PaintEvent, this, &data);
      }
      BitBlt(screen, 0, 0, width, height, picture.Device(), 0, 0, SRCCOPY);
    }
  }
  EndPaint(window, &paint);
}
