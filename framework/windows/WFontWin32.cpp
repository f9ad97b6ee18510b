#include "framework/events/WindowsHeadersWin32.h"

#include <atomic>
#include <cstring>

#include "framework/windows/WFont.h"

struct WFont::Record {
  std::atomic<int32_t> references{1};
  WFontDescription description;
  HFONT handle = nullptr;

  ~Record() {
    if (handle) DeleteObject(handle);
  }
};

namespace {

int32_t VerticalResolution(void* device) {
  if (device) return GetDeviceCaps(static_cast<HDC>(device), LOGPIXELSY);
  HDC screen = GetDC(nullptr);
  const int32_t resolution = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  return resolution;
}

}  // namespace

WFont::WFont(const char* description, void* device) {
  WFontDescription parsed = WFontDescription::Parse(description, description ? VerticalResolution(device) : 96);
  kind_ = parsed.kind;
  stock_object_ = parsed.stock_object;
  if (kind_ == WFontDescription::Kind::Logical) {
    record_ = new Record;
    record_->description = std::move(parsed);
  }
}

WFont::WFont(const WFont& other)
    : WObject(other), kind_(other.kind_), stock_object_(other.stock_object_), record_(other.record_) {
  if (record_) record_->references.fetch_add(1);
}

WFont& WFont::operator=(const WFont& other) {
  if (this == &other) return *this;
  if (other.record_) other.record_->references.fetch_add(1);
  Release();
  kind_ = other.kind_;
  stock_object_ = other.stock_object_;
  record_ = other.record_;
  return *this;
}

WFont::~WFont() { Release(); }

void WFont::Release() {
  if (record_ && record_->references.fetch_sub(1) == 1) delete record_;
  record_ = nullptr;
}

const WFontDescription* WFont::GetDescription() const { return record_ ? &record_->description : nullptr; }

void* WFont::GetHandle() const {
  if (kind_ == WFontDescription::Kind::Stock) return GetStockObject(stock_object_);
  if (!record_) return nullptr;
  if (!record_->handle) {
    const WLogicalFont& font = record_->description.font;
    LOGFONTA logical{};
    logical.lfHeight = font.height;
    logical.lfWidth = font.width;
    logical.lfWeight = font.weight;
    logical.lfItalic = font.italic;
    logical.lfUnderline = font.underline;
    logical.lfStrikeOut = font.strike_out;
    logical.lfCharSet = font.char_set;
    std::memcpy(logical.lfFaceName, font.face, LF_FACESIZE);
    logical.lfFaceName[LF_FACESIZE - 1] = 0;
    record_->handle = CreateFontIndirectA(&logical);
  }
  return record_->handle;
}
