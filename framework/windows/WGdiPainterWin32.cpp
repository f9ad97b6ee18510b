#include "framework/windows/WGdiPainterWin32.h"

#include <string>

#include "framework/text/Utf8Win32.h"

namespace {

std::vector<POINT> SystemPoints(const std::vector<WPoint>& points) {
  std::vector<POINT> converted;
  converted.reserve(points.size());
  for (const WPoint& p : points) converted.push_back({p.x, p.y});
  return converted;
}

UINT AlignOf(WTextAlign align) {
  switch (align) {
    case WTextAlign::Center: return TA_CENTER;
    case WTextAlign::Right: return TA_RIGHT;
    case WTextAlign::Left: break;
  }
  return TA_LEFT;
}

}  // namespace

WGdiPainter::WGdiPainter(HDC device) : device_(device), saved_(SaveDC(device)) { SetBkMode(device_, TRANSPARENT); }

WGdiPainter::~WGdiPainter() {
  // Restoring the context selects its own objects again, so ours can go.
  RestoreDC(device_, saved_);
  for (HGDIOBJ held : {pen_, brush_, font_}) {
    if (held) DeleteObject(held);
  }
}

void WGdiPainter::Replace(HGDIOBJ& held, HGDIOBJ made) {
  if (!made) return;
  SelectObject(device_, made);
  if (held) DeleteObject(held);
  held = made;
}

void WGdiPainter::SetPen(const WPen& pen) {
  if (pen.width <= 0) {
    SelectObject(device_, GetStockObject(NULL_PEN));
    return;
  }
  LOGBRUSH brush{BS_SOLID, pen.colour, 0};
  std::vector<DWORD> dash(pen.dash.begin(), pen.dash.end());
  const DWORD style = PS_GEOMETRIC | PS_ENDCAP_FLAT | PS_JOIN_ROUND | (dash.empty() ? PS_SOLID : PS_USERSTYLE);
  Replace(pen_, ExtCreatePen(style, static_cast<DWORD>(pen.width), &brush, static_cast<DWORD>(dash.size()),
                             dash.empty() ? nullptr : dash.data()));
}

void WGdiPainter::SetBrush(std::optional<WColorValue> colour) {
  if (!colour) {
    SelectObject(device_, GetStockObject(NULL_BRUSH));
    return;
  }
  Replace(brush_, CreateSolidBrush(*colour));
}

void WGdiPainter::SetClip(const WRect& clip) {
  HRGN region = CreateRectRgn(clip.x, clip.y, clip.x + clip.width, clip.y + clip.height);
  SelectClipRgn(device_, region);
  DeleteObject(region);
}

void WGdiPainter::Line(WPoint from, WPoint to) {
  MoveToEx(device_, from.x, from.y, nullptr);
  LineTo(device_, to.x, to.y);
}

void WGdiPainter::Polyline(const std::vector<WPoint>& points) {
  const std::vector<POINT> converted = SystemPoints(points);
  if (converted.size() >= 2) ::Polyline(device_, converted.data(), static_cast<int>(converted.size()));
}

void WGdiPainter::Polygon(const std::vector<WPoint>& points) {
  const std::vector<POINT> converted = SystemPoints(points);
  if (converted.size() >= 3) ::Polygon(device_, converted.data(), static_cast<int>(converted.size()));
}

void WGdiPainter::Rectangle(const WRect& rectangle) {
  // The system's rectangle leaves out its right and bottom edges.
  ::Rectangle(device_, rectangle.x, rectangle.y, rectangle.x + rectangle.width + 1, rectangle.y + rectangle.height + 1);
}

void WGdiPainter::Text(WPoint anchor, const std::string& text, const WTextStyle& style) {
  Replace(font_, CreateFontA(-style.height, 0, style.upright ? 900 : 0, style.upright ? 900 : 0,
                             style.bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                             CLIP_DEFAULT_PRECIS, ANTIALIASED_QUALITY, DEFAULT_PITCH | FF_SWISS, "Arial"));
  // Every text of a picture makes its font anew; a picture has a few
  // hundred at most.
  SetTextColor(device_, style.colour);
  SetTextAlign(device_, AlignOf(style.align) | TA_BASELINE);
  const std::wstring wide = WideFromUtf8(text);
  TextOutW(device_, anchor.x, anchor.y, wide.data(), static_cast<int>(wide.size()));
}
