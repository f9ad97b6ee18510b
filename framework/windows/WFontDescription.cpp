#include "framework/windows/WFontDescription.h"

#include <cctype>
#include <cstdlib>
#include <cstring>
#include <limits>

#include "framework/text/CodePage.h"

namespace {

struct NamedValue {
  const char* name;
  int32_t value;
};

// Used only when the size is 0.
constexpr NamedValue kStockFonts[] = {
    {"OEMFixed", 10},      {"AnsiFixed", 11},      {"Ansi", 12},        {"System", 13},
    {"DeviceDefault", 14}, {"DefaultPalette", 15}, {"SystemFixed", 16}, {"DefaultGUI", 17},
};

constexpr NamedValue kWeights[] = {
    {"Thin", 100},     {"ExtraLight", 200}, {"Light", 300},     {"Normal", 400}, {"Medium", 500},
    {"SemiBold", 600}, {"Bold", 700},       {"ExtraBold", 800}, {"Heavy", 900},
};

bool IsSeparator(char c) { return c == '.' || c == ','; }
bool IsBlank(char c) { return c == ' ' || c == '\t'; }

bool SameWord(const std::string& a, const char* b) {
  if (a.size() != std::strlen(b)) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i]))) return false;
  }
  return true;
}

// Decimal digits as a count that stays within 32 bits.
bool ReadNumber(const char*& p, int32_t& value) {
  if (!std::isdigit(static_cast<unsigned char>(*p))) return false;
  int64_t number = 0;
  for (; std::isdigit(static_cast<unsigned char>(*p)); ++p) {
    if (number < std::numeric_limits<int32_t>::max()) number = number * 10 + (*p - '0');
  }
  value =
      static_cast<int32_t>(number < std::numeric_limits<int32_t>::max() ? number : std::numeric_limits<int32_t>::max());
  return true;
}

// The text up to the next separator; a double-byte character is taken whole.
std::string ReadUntilSeparator(const char*& p) {
  const CodePage& page = CodePage::System();
  std::string token;
  while (*p && !IsSeparator(*p)) {
    if (page.IsLeadByte(*p) && p[1] != '\0') token += *p++;
    token += *p++;
  }
  return token;
}

void ApplyAttribute(const std::string& token, WLogicalFont& font) {
  const auto equals = token.find('=');
  if (equals != std::string::npos) {
    const std::string name = token.substr(0, equals);
    const char* value_text = token.c_str() + equals + 1;
    int32_t value = 0;
    if (!ReadNumber(value_text, value)) return;
    if (SameWord(name, "CharSet")) font.char_set = static_cast<uint8_t>(value);
    if (SameWord(name, "Weight")) font.weight = value;
    return;
  }
  if (SameWord(token, "Italic")) font.italic = true;
  if (SameWord(token, "Underline")) font.underline = true;
  if (SameWord(token, "StrikeOut")) font.strike_out = true;
  for (const NamedValue& weight : kWeights) {
    if (SameWord(token, weight.name)) font.weight = weight.value;
  }
}

}  // namespace

int32_t MultiplyDivide(int32_t a, int32_t b, int32_t c) {
  if (c == 0) return -1;
  const int64_t product = static_cast<int64_t>(a) * b;
  const int64_t half = (c < 0 ? -static_cast<int64_t>(c) : c) / 2;
  const bool negative = (product < 0) != (c < 0);
  const int64_t magnitude = ((product < 0 ? -product : product) + half) / (c < 0 ? -static_cast<int64_t>(c) : c);
  const int64_t result = negative ? -magnitude : magnitude;
  if (result > std::numeric_limits<int32_t>::max() || result < std::numeric_limits<int32_t>::min()) return -1;
  return static_cast<int32_t>(result);
}

WFontDescription WFontDescription::Parse(const char* text, int32_t pixels_per_inch) {
  WFontDescription description;
  if (!text || *text == '\0') return description;
  description.text = text;
  if (SameWord(description.text, "<Inherited>")) {
    description.kind = Kind::Inherited;
    return description;
  }

  const char* p = text;
  while (IsBlank(*p)) ++p;
  int32_t points = 0;
  ReadNumber(p, points);
  while (IsSeparator(*p)) ++p;
  description.points = points;
  description.font.height = points == 0 ? 0 : -MultiplyDivide(points, pixels_per_inch, 72);

  while (IsBlank(*p)) ++p;
  const std::string face = ReadUntilSeparator(p);
  if (points == 0) {
    for (const NamedValue& stock : kStockFonts) {
      if (SameWord(face, stock.name)) {
        description.kind = Kind::Stock;
        description.stock_object = stock.value;
        return description;
      }
    }
  }
  std::strncpy(description.font.face, face.c_str(), WLogicalFont::kFaceBytes - 1);
  description.kind = Kind::Logical;

  while (*p) {
    ++p;  // the separator
    const std::string token = ReadUntilSeparator(p);
    if (!token.empty()) ApplyAttribute(token, description.font);
  }
  return description;
}
