#pragma once

#include "framework/events/WindowsHeadersWin32.h"

#include "framework/windows/WPainter.h"

// A painter on a device context. The pen, brush and font it makes are its
// own and go with it; the context gets back what was selected before.
class WGdiPainter final : public WPainter {
 public:
  explicit WGdiPainter(HDC device);
  ~WGdiPainter() override;
  WGdiPainter(const WGdiPainter&) = delete;
  WGdiPainter& operator=(const WGdiPainter&) = delete;

  void SetPen(const WPen& pen) override;
  void SetBrush(std::optional<WColorValue> colour) override;
  void SetClip(const WRect& clip) override;
  void Line(WPoint from, WPoint to) override;
  void Polyline(const std::vector<WPoint>& points) override;
  void Polygon(const std::vector<WPoint>& points) override;
  void Rectangle(const WRect& rectangle) override;
  void Text(WPoint anchor, const std::string& text, const WTextStyle& style) override;

 private:
  // Selects the object in place of the painter's last of its kind, which
  // is deleted.
  void Replace(HGDIOBJ& held, HGDIOBJ made);

  HDC device_;
  int saved_;
  HGDIOBJ pen_ = nullptr;
  HGDIOBJ brush_ = nullptr;
  HGDIOBJ font_ = nullptr;
};
