#include "framework/events/WindowsHeadersWin32.h"

#include "framework/text/FormatScratch.h"
#include "framework/text/WString.h"

bool WString::LoadString(uint32_t id, void* module) {
  HINSTANCE instance = module ? static_cast<HINSTANCE>(module) : GetModuleHandleA(nullptr);
  FormatScratch& scratch = FormatScratch::Instance();
  std::lock_guard<std::mutex> hold(scratch.lock);
  constexpr std::size_t kEntryBuffer = 4096;
  if (scratch.buffer.size() < kEntryBuffer) scratch.buffer.resize(kEntryBuffer);
  const int length = LoadStringA(instance, id, scratch.buffer.data(), static_cast<int>(kEntryBuffer));
  if (length <= 0) return false;
  *this = scratch.buffer.data();
  return true;
}
