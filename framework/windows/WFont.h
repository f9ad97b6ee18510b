#pragma once

#include "framework/events/WObject.h"
#include "framework/windows/WFontDescription.h"

// A font made from a description text. Copies share one record, and the
// system font object is made when first needed and freed with the last
// copy. A stock font and the inherited font (the parent's) have no record.
class WFont : public WObject {
  W_DECLARE_CLASS(WFont, WObject)

 public:
  WFont() = default;
  // `device` is a device context whose resolution sets the height, or null
  // for the screen.
  explicit WFont(const char* description, void* device = nullptr);
  WFont(const WFont& other);
  WFont& operator=(const WFont& other);
  ~WFont() override;

  bool IsEmpty() const { return kind_ == WFontDescription::Kind::None; }
  bool IsInherited() const { return kind_ == WFontDescription::Kind::Inherited; }
  // The system font object; null for an empty or inherited font.
  void* GetHandle() const;
  // The description as parsed, for a font with a record.
  const WFontDescription* GetDescription() const;

 private:
  struct Record;
  void Release();

  WFontDescription::Kind kind_ = WFontDescription::Kind::None;
  int32_t stock_object_ = -1;
  Record* record_ = nullptr;
};
