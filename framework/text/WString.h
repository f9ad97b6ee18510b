#pragma once

#include <cstdarg>
#include <cstdint>
#include <iosfwd>

#include "framework/events/WObject.h"

class CodePage;
class WStringReference;

// The framework's text value. Copies share one reference-counted storage;
// a change to one copy never shows in another (copy on write). The text is
// held in the system's narrow code page, in UTF-16, or both, and converted
// on demand.
class WString : public WObject {
  W_DECLARE_CLASS(WString, WObject)

 public:
  // The null string.
  WString() = default;
  // A copy of `length` characters of the text, or of all of it for -1.
  WString(const char* text, int32_t length = -1);  // NOLINT: texts convert freely
  WString(const WString& other);
  WString(WString&& other) noexcept;
  ~WString() override;

  WString& operator=(const WString& other);
  WString& operator=(WString&& other) noexcept;
  WString& operator=(const char* text);

  static WString FromWide(const char16_t* text);

  // Same as the text constructor, with an explicit code page.
  void Assign(const char* text, int32_t length, const CodePage& page);

  // Never null: the empty text for the null string.
  const char* GetText() const;
  const char16_t* GetWideText() const;
  // Characters of the narrow form; 0 for the null string.
  uint32_t GetLength() const;
  bool IsNull() const { return reference_ == nullptr; }
  // Units that the current form can hold without new storage.

  // Replaces the text by the printf-style formatting of the arguments and
  // returns its length. A null format makes the string null.
  int32_t Sprintf(const char* format, ...) __attribute__((format(printf, 2, 3)));
  int32_t VSprintf(const char* format, va_list arguments);

  WString& operator+=(const WString& other);
  WString& operator+=(const char* text);

#ifdef _WIN32
  // Replaces the text by a string-table entry of the module (the program's
  // own when null); at most 4095 characters.
  bool LoadString(uint32_t id, void* module = nullptr);
#endif

 protected:
  // Called with 1 after every change of the text.
  virtual void Changed(int32_t /*what*/) {}

 private:
  bool MakeRoom(bool wide, uint32_t units);
  void AssignBytes(const char* text, uint32_t bytes, uint32_t characters);
  void MakeNull();
  void ResetPositions() const;
  // Detaches from a reference that others share, keeping the text.
  void MakePrivate() const;

  mutable WStringReference* reference_ = nullptr;
  mutable int32_t cached_positions_[2] = {0, -1};
};

WString operator+(WString left, const WString& right);
bool operator==(const WString& left, const char* right);
bool operator==(const WString& left, const WString& right);
inline bool operator!=(const WString& left, const char* right) { return !(left == right); }
std::ostream& operator<<(std::ostream& out, const WString& text);
