#include "framework/events/WAssertionReport.h"

#include <cstdarg>
#include <cstdio>

namespace {

void Append(std::string& text, const char* format, ...) __attribute__((format(printf, 2, 3)));

void Append(std::string& text, const char* format, ...) {
  va_list arguments;
  va_start(arguments, format);
  va_list measure;
  va_copy(measure, arguments);
  const int length = std::vsnprintf(nullptr, 0, format, measure);
  va_end(measure);
  if (length > 0) {
    std::string part(static_cast<std::size_t>(length) + 1, '\0');
    std::vsnprintf(&part[0], part.size(), format, arguments);
    part.resize(static_cast<std::size_t>(length));
    text += part;
  }
  va_end(arguments);
}

}  // namespace

std::string AssertionTitle(const char* program_title, unsigned long process_id, unsigned long thread_id) {
  const std::string title = std::string(program_title ? program_title : "").substr(0, 100);
  std::string text;
  Append(text, "%s: Debug Message [Process %lx Thread %lx]", title.c_str(), process_id, thread_id);
  return text;
}

std::string AssertionText(const WAssertionFailure& failure) {
  std::string text;
  Append(text, "%s:\n\n", failure.kind);
  Append(text, "    Function %s\n", failure.function);
  Append(text, "    File '%s'\n", failure.file);
  Append(text, "    Line %d\n\n", failure.line);
  if (failure.expression) Append(text, "    %s\n", failure.expression);
  if (failure.message) Append(text, "    %s\n", failure.message);
  text += "\nDo you wish to continue running?";
  return text;
}
