#include "framework/app/WAssertionReport.h"

#include "framework/text/WString.h"

std::string AssertionTitle(const char* program_title, unsigned long process_id, unsigned long thread_id) {
  const std::string title = std::string(program_title ? program_title : "").substr(0, 100);
  WString text;
  text.Sprintf("%s: Debug Message [Process %lx Thread %lx]", title.c_str(), process_id, thread_id);
  return text.GetText();
}

std::string AssertionText(const WAssertionFailure& failure) {
  WString part;
  std::string text;
  part.Sprintf("%s:\n\n", failure.kind);
  text += part.GetText();
  part.Sprintf("    Function %s\n", failure.function);
  text += part.GetText();
  part.Sprintf("    File '%s'\n", failure.file);
  text += part.GetText();
  part.Sprintf("    Line %d\n\n", failure.line);
  text += part.GetText();
  if (failure.expression) {
    part.Sprintf("    %s\n", failure.expression);
    text += part.GetText();
  }
  if (failure.message) {
    part.Sprintf("    %s\n", failure.message);
    text += part.GetText();
  }
  text += "\nDo you wish to continue running?";
  return text;
}
