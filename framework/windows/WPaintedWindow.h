#pragma once

#include <cstdint>

#include "framework/events/WEventData.h"
#include "framework/windows/WPainter.h"
#include "framework/windows/WWindow.h"

// What a window that paints itself hands its PaintEvent handlers: a painter
// on an off-screen picture of its client area, cleared to the window's
// background, and the area's size. The picture is shown whole once every
// handler is done, so the window never shows half a drawing.
struct WPaintEventData : WEventData {
  WPainter* painter = nullptr;
  int32_t width = 0;
  int32_t height = 0;
};

// A child window whose every pixel its PaintEvent handlers draw; it is
// painted anew whole when its size changes.
class WPaintedWindow : public WWindow {
  W_DECLARE_CLASS(WPaintedWindow, WWindow)

 public:
  bool CreateChild(WWindow* parent, const WRect& bounds);
  // Paints the window anew at the next chance.
  void Invalidate();
  void SetBackground(WColorValue colour) { background_ = colour; }

 protected:
  bool ProcessMessage(WMessage& message, intptr_t& result) override;

 private:
  void Paint();

  WColorValue background_ = WRgb(255, 255, 255);
};
