#include "framework/text/WString.h"

#include <cstdio>
#include <cstring>
#include <ostream>
#include <string>

#include "framework/text/CodePage.h"
#include "framework/text/FormatScratch.h"
#include "framework/text/WStringReference.h"

namespace {

// Shared by every string that is empty but not null; never freed.
WStringReference* SharedEmptyReference() {
  static WStringReference* const empty = [] {
    auto* reference = new WStringReference;
    reference->narrow.MakeRoom(1);
    return reference;
  }();
  return empty;
}

// Beyond this a format is taken as one that never fits.
constexpr std::size_t kLargestFormattedText = std::size_t{1} << 28;

}  // namespace

WString::WString(const char* text, int32_t length) { Assign(text, length, CodePage::System()); }

WString::WString(const WString& other) : WObject(other), reference_(other.reference_) {
  if (reference_) reference_->AddRef();
}

WString::WString(WString&& other) noexcept : WObject(other), reference_(other.reference_) {
  other.reference_ = nullptr;
}

WString::~WString() {
  if (reference_) reference_->Release();
}

WString& WString::operator=(const WString& other) {
  if (this == &other) return *this;
  ResetPositions();
  if (other.reference_) other.reference_->AddRef();
  if (reference_) reference_->Release();
  reference_ = other.reference_;
  Changed(1);
  return *this;
}

WString& WString::operator=(WString&& other) noexcept {
  if (this == &other) return *this;
  ResetPositions();
  if (reference_) reference_->Release();
  reference_ = other.reference_;
  other.reference_ = nullptr;
  Changed(1);
  return *this;
}

WString& WString::operator=(const char* text) {
  Assign(text, -1, CodePage::System());
  return *this;
}

WString WString::FromWide(const char16_t* text) {
  WString result;
  if (!text) return result;
  const uint32_t units = static_cast<uint32_t>(std::char_traits<char16_t>::length(text));
  if (!result.MakeRoom(true, units + 1)) return result;
  std::memcpy(result.reference_->wide.Data(), text, units * sizeof(char16_t));
  result.reference_->wide.SetLengths(units, units);
  return result;
}

void WString::Assign(const char* text, int32_t length, const CodePage& page) {
  ResetPositions();
  const bool empty = text == nullptr || *text == '\0' || length == 0;
  if (empty) {
    if (!reference_) {
      if (text) {
        reference_ = SharedEmptyReference();
        reference_->AddRef();
      }
    } else {
      AssignBytes("", 0, 0);
    }
    Changed(1);
    return;
  }
  std::size_t bytes = 0;
  if (length < 0) {
    bytes = std::strlen(text);
  } else {
    bytes = page.BytesOfCharacters(text, static_cast<std::size_t>(length));
  }
  AssignBytes(text, static_cast<uint32_t>(bytes), static_cast<uint32_t>(page.CountCharacters(text, bytes)));
  Changed(1);
}

void WString::AssignBytes(const char* text, uint32_t bytes, uint32_t characters) {
  if (!MakeRoom(false, bytes + 1)) return;
  std::memmove(reference_->narrow.Data(), text, bytes);
  reference_->narrow.SetLengths(characters, bytes);
}

bool WString::MakeRoom(bool wide, uint32_t units) {
  if (reference_ && reference_->Count() != 1) {
    reference_->Release();
    reference_ = nullptr;
  }
  if (!reference_) {
    reference_ = new (std::nothrow) WStringReference;
    if (!reference_) return false;
  }
  const bool made = wide ? reference_->wide.MakeRoom(units) : reference_->narrow.MakeRoom(units);
  if (!made) {
    MakeNull();
    return false;
  }
  if (wide) {
    reference_->narrow.Discard();
  } else {
    reference_->wide.Discard();
  }
  reference_->wide_current = wide;
  return true;
}

void WString::MakeNull() {
  if (reference_) reference_->Release();
  reference_ = nullptr;
}

void WString::ResetPositions() const {
  cached_positions_[0] = 0;
  cached_positions_[1] = -1;
}

void WString::MakePrivate() const {
  if (!reference_ || reference_->Count() == 1) return;
  auto* copy = new WStringReference;
  if (reference_->wide_current) {
    const auto& from = reference_->wide;
    copy->wide.MakeRoom(from.Units() + 1);
    std::memcpy(copy->wide.Data(), from.Data(), from.Units() * sizeof(char16_t));
    copy->wide.SetLengths(from.Characters(), from.Units());
  } else {
    const auto& from = reference_->narrow;
    copy->narrow.MakeRoom(from.Units() + 1);
    std::memcpy(copy->narrow.Data(), from.Data(), from.Units());
    copy->narrow.SetLengths(from.Characters(), from.Units());
  }
  copy->wide_current = reference_->wide_current;
  reference_->Release();
  reference_ = copy;
}

const char* WString::GetText() const {
  if (!reference_) return "";
  if (reference_->wide_current) {
    MakePrivate();
    auto& wide = reference_->wide;
    const std::string narrow = NarrowFromWide(wide.Data(), wide.Units());
    const auto bytes = static_cast<uint32_t>(narrow.size());
    if (!reference_->narrow.MakeRoom(bytes + 1)) return "";
    std::memcpy(reference_->narrow.Data(), narrow.data(), bytes);
    reference_->narrow.SetLengths(static_cast<uint32_t>(CodePage::System().CountCharacters(narrow.data(), bytes)),
                                  bytes);
    reference_->wide_current = false;
  }
  return reference_->narrow.Data();
}

const char16_t* WString::GetWideText() const {
  if (!reference_) return u"";
  if (!reference_->wide_current) {
    MakePrivate();
    auto& narrow = reference_->narrow;
    const std::u16string wide = WideFromNarrow(narrow.Data(), narrow.Units());
    const auto units = static_cast<uint32_t>(wide.size());
    if (!reference_->wide.MakeRoom(units + 1)) return u"";
    std::memcpy(reference_->wide.Data(), wide.data(), units * sizeof(char16_t));
    reference_->wide.SetLengths(units, units);
    reference_->wide_current = true;
  }
  return reference_->wide.Data();
}

uint32_t WString::GetLength() const {
  if (!reference_) return 0;
  GetText();
  return reference_ ? reference_->narrow.Characters() : 0;
}

int32_t WString::Sprintf(const char* format, ...) {
  va_list arguments;
  va_start(arguments, format);
  const int32_t length = VSprintf(format, arguments);
  va_end(arguments);
  return length;
}

int32_t WString::VSprintf(const char* format, va_list arguments) {
  ResetPositions();
  if (!format) {
    MakeNull();
    Changed(1);
    return 0;
  }
  // Most texts are short: they are formatted on the stack, so threads that
  // format at once do not queue for the shared buffer, which takes the rest.
  char line[256];
  va_list first;
  va_copy(first, arguments);
  const int fitted = std::vsnprintf(line, sizeof line, format, first);
  va_end(first);
  if (fitted >= 0 && static_cast<std::size_t>(fitted) < sizeof line - 1) {
    Assign(line, -1, CodePage::System());
    return static_cast<int32_t>(GetLength());
  }
  std::size_t size = 2 * std::strlen(format) + 2;
  FormatScratch& scratch = FormatScratch::Instance();
  std::lock_guard<std::mutex> hold(scratch.lock);
  // Doubled until the text fits with one unit to spare.
  for (;;) {
    if (scratch.buffer.size() < size) scratch.buffer.resize(size);
    va_list copy;
    va_copy(copy, arguments);
    const int written = std::vsnprintf(scratch.buffer.data(), size, format, copy);
    va_end(copy);
    if (written >= 0 && static_cast<std::size_t>(written) < size - 1) break;
    size *= 2;
    if (size > kLargestFormattedText) {
      MakeNull();
      Changed(1);
      return 0;
    }
  }
  Assign(scratch.buffer.data(), -1, CodePage::System());
  return static_cast<int32_t>(GetLength());
}

WString& WString::operator+=(const char* text) {
  if (!text || *text == '\0') {
    if (!reference_) *this = "";
    return *this;
  }
  if (!reference_ || reference_->Count() != 1 || reference_->wide_current) {
    std::string joined(GetText());
    joined += text;
    Assign(joined.c_str(), -1, CodePage::System());
    return *this;
  }
  // Sole owner of a narrow text: append in place.
  ResetPositions();
  auto& buffer = reference_->narrow;
  const auto added = static_cast<uint32_t>(std::strlen(text));
  const uint32_t units = buffer.Units();
  if (!buffer.Grow(units + added + 1)) {
    MakeNull();
    Changed(1);
    return *this;
  }
  std::memcpy(buffer.Data() + units, text, added);
  const CodePage& page = CodePage::System();
  const uint32_t characters = page.IsDoubleByte()
                                  ? static_cast<uint32_t>(page.CountCharacters(buffer.Data(), units + added))
                                  : buffer.Characters() + added;
  buffer.SetLengths(characters, units + added);
  Changed(1);
  return *this;
}

WString& WString::operator+=(const WString& other) { return *this += other.GetText(); }

WString operator+(WString left, const WString& right) {
  left += right;
  return left;
}

bool operator==(const WString& left, const char* right) { return std::strcmp(left.GetText(), right ? right : "") == 0; }

bool operator==(const WString& left, const WString& right) { return left == right.GetText(); }

std::ostream& operator<<(std::ostream& out, const WString& text) { return out << text.GetText(); }
