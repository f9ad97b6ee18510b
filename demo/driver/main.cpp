// vantrel-driver: drives a running Vantrel window from another process, as
// a person at the window would, for the run script.
//   vantrel-driver run [seconds]  presses start, waits until the run has
//                                 ended, prints what the window shows
//   vantrel-driver odds           opens the odds window, waits for its
//                                 odds and prints them
//   vantrel-driver close          closes the window
// Exit code 0 on success, 1 when the window is missing or the run did not
// end in time, 2 for a wrong call.
#include "framework/events/WindowsHeadersWin32.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

constexpr int kStart = 106;
constexpr int kResults = 192;

struct Display {
  int id;
  const char* caption;
};

constexpr Display kCounters[] = {
    {155, "max balance / min. wager"}, {157, "min balance"}, {159, "table limit or reached max games"}};
constexpr Display kShares[] = {{195, "max"}, {196, "min"}, {197, "limit"}};

HWND FindForm(int seconds) {
  for (int waited = 0; waited < seconds * 10; ++waited) {
    if (HWND form = FindWindowA(nullptr, "Vantrel V" VANTREL_VERSION)) return form;
    Sleep(100);
  }
  return nullptr;
}

std::string TextOf(HWND control) {
  const LRESULT length = SendMessageA(control, WM_GETTEXTLENGTH, 0, 0);
  std::string text(static_cast<std::size_t>(length) + 1, '\0');
  SendMessageA(control, WM_GETTEXT, static_cast<WPARAM>(text.size()), reinterpret_cast<LPARAM>(text.data()));
  text.resize(std::strlen(text.c_str()));
  return text;
}

// The last session of a run is numbered 1; its entry is written when the
// run has ended.
bool RunEnded(const std::string& results) { return results.find("     1.") != std::string::npos; }

void PrintResults(HWND form) {
  const std::string results = TextOf(GetDlgItem(form, kResults));
  std::printf("final balance of every session (session number: balance):\n");
  int shown = 0;
  for (std::size_t at = 0; (at = results.find("||", at)) != std::string::npos; at += 2) {
    const std::size_t entry = results.rfind('.', at);
    std::size_t begin = entry;
    while (begin > 0 && results[begin - 1] != '|' && results[begin - 1] != '\n' && results[begin - 1] != '\r') --begin;
    const int session = std::atoi(results.substr(begin, entry - begin).c_str());
    const int balance = std::atoi(results.substr(entry + 1, at - entry - 1).c_str());
    std::printf("  %6d: %d\n", session, balance);
    ++shown;
  }
  std::printf("sessions ended at\n");
  for (std::size_t i = 0; i < 3; ++i) {
    std::printf("  %-34s %s %s\n", kCounters[i].caption, TextOf(GetDlgItem(form, kCounters[i].id)).c_str(),
                TextOf(GetDlgItem(form, kShares[i].id)).c_str());
  }
}

int Run(int seconds) {
  HWND form = FindForm(60);
  if (!form) {
    std::fprintf(stderr, "vantrel-driver: no Vantrel window\n");
    return 1;
  }
  PostMessageA(GetDlgItem(form, kStart), BM_CLICK, 0, 0);
  for (int waited = 0; waited < seconds * 10; ++waited) {
    if (RunEnded(TextOf(GetDlgItem(form, kResults)))) {
      PrintResults(form);
      return 0;
    }
    Sleep(100);
  }
  std::fprintf(stderr, "vantrel-driver: the run did not end within %d s\n", seconds);
  return 1;
}

constexpr int kOddsCommand = 1013;
constexpr int kOddsText = 2001;

int Odds() {
  HWND form = FindForm(60);
  if (!form) return 1;
  PostMessageA(form, WM_COMMAND, kOddsCommand, 0);
  for (int waited = 0; waited < 600; ++waited) {
    HWND odds = FindWindowA(nullptr, "Vantrel odds");
    const std::string text = odds ? TextOf(GetDlgItem(odds, kOddsText)) : std::string();
    if (text.rfind("in short", 0) == 0 || text.rfind("No exact odds", 0) == 0) {
      std::printf("%s", text.c_str());
      return 0;
    }
    Sleep(100);
  }
  std::fprintf(stderr, "vantrel-driver: no odds within 60 s\n");
  return 1;
}

int Close() {
  HWND form = FindForm(5);
  if (!form) return 1;
  PostMessageA(form, WM_CLOSE, 0, 0);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc >= 2 && std::strcmp(argv[1], "run") == 0) return Run(argc >= 3 ? std::atoi(argv[2]) : 300);
  if (argc == 2 && std::strcmp(argv[1], "close") == 0) return Close();
  if (argc == 2 && std::strcmp(argv[1], "odds") == 0) return Odds();
  std::fprintf(stderr, "usage: vantrel-driver run [seconds] | odds | close\n");
  return 2;
}
