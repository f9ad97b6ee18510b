// The odds window as a person uses it: opened from the menu or with Ctrl+O,
// following the fields, naming a field that fails its check, refusing what
// does not fit, drawing a run and saving its page; its texts compared with
// what the batch program prints for the same settings.
#include "framework/events/WindowsHeadersWin32.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <algorithm>
#include <fstream>
#include <sstream>
#include <string>

#include "files/SettingsFile.h"
#include "tests/framework/dialogs/DialogAnswererWin32.h"
#include "tests/ui/MainFormFixtureWin32.h"

namespace fs = std::filesystem;

namespace {

constexpr int kOddsCommand = 1013;

std::string WithoutCarriageReturns(std::string text) {
  text.erase(std::remove(text.begin(), text.end(), '\r'), text.end());
  return text;
}

// The folder of the test program, where the programs it tests are built.
fs::path BuildFolder() {
  char path[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  return fs::path(path).parent_path().parent_path();
}

// What vantrel-batch prints on standard output for these arguments.
std::string BatchOutput(const std::string& arguments) {
  const fs::path out = fs::temp_directory_path() / ("vantrel-odds-" + std::to_string(GetTickCount()) + ".txt");
  SECURITY_ATTRIBUTES inherited{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
  HANDLE file = CreateFileA(out.string().c_str(), GENERIC_WRITE, 0, &inherited, CREATE_ALWAYS, 0, nullptr);
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdOutput = file;
  std::string command = "\"" + (BuildFolder() / "vantrel-batch.exe").string() + "\" " + arguments;
  PROCESS_INFORMATION process{};
  if (CreateProcessA(nullptr, command.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup, &process)) {
    WaitForSingleObject(process.hProcess, 120000);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
  }
  CloseHandle(file);
  const std::string printed = WithoutCarriageReturns(Contents(out.string()));
  fs::remove(out);
  return printed;
}

class OddsWindowTest : public MainFormTest {
 protected:
  void TearDown() override { fs::remove(settings_, ignored_); }

  HWND Odds() const { return form.odds_window() ? static_cast<HWND>(form.odds_window()->GetHandle()) : nullptr; }
  // The odds' texts are plain ASCII but for the status's "computing…".
  std::string OddsText(int id) const {
    char text[8192] = {};
    GetDlgItemTextA(Odds(), id, text, sizeof text);
    return WithoutCarriageReturns(text);
  }
  std::string Text() const { return OddsText(2001); }
  std::string Status() const { return OddsText(2002); }
  // Waits until the odds window shows a text that begins so.
  bool WaitForText(const char* begins, DWORD timeout_ms = 30000) const {
    return PumpUntil([&] { return Odds() && Text().rfind(begins, 0) == 0; }, timeout_ms);
  }
  // The batch program's --exact for what the form holds now, from its
  // settings file.
  std::string BatchOdds(const std::string& more = "") {
    std::ofstream(settings_, std::ios::binary) << SettingsFile::Format(SettingsFile::Collect(form.fields()));
    return BatchOutput("--settings \"" + settings_.string() + "\" --exact" + more);
  }
  // Waits until the odds shown are the batch's for the form's settings.
  void ExpectTheBatchsOdds(const char* what) {
    const std::string batch = BatchOdds();
    ASSERT_FALSE(batch.empty()) << what;
    EXPECT_TRUE(PumpUntil([&] { return Odds() && Text() == batch; })) << what << "\n" << Text() << "\n" << batch;
  }

  std::error_code ignored_;
  fs::path settings_ = fs::temp_directory_path() / ("vantrel-odds-settings-" + std::to_string(GetTickCount()));
};

TEST_F(OddsWindowTest, TheCommandOpensOneWindowThatShowsTheBatchsOddsOfWhatIsTyped) {
  PressControlKey(Handle(), 'O');
  ASSERT_TRUE(WaitForText("in short"));
  HWND odds = Odds();
  char caption[32] = {};
  GetWindowTextA(odds, caption, sizeof caption);
  EXPECT_STREQ(caption, "Vantrel odds");
  EXPECT_EQ(GetWindow(odds, GW_OWNER), Handle()) << "it belongs to the main form";
  ExpectTheBatchsOdds("the defaults");
  Type("rtb_startkapital", "300");
  Type("rtb_soll_kapital", "330");
  ExpectTheBatchsOdds("a capital of 300 playing for 330");
  Click("checkbox_zero_oder_zerozero");
  Type("rtb_g1", "3");
  ExpectTheBatchsOdds("a double zero and a row changed");
  Command(kOddsCommand);
  PumpQueued();
  EXPECT_EQ(Odds(), odds) << "brought forward, not made again";
}

TEST_F(OddsWindowTest, AFailedCheckIsNamedWithoutABoxAndOddsPastTheBudgetNameTheWayToAnswer) {
  MessageBoxAnswerer fehler("Fehler");
  Command(kOddsCommand);
  ASSERT_TRUE(WaitForText("in short"));
  Type("rtb_startkapital", "0");
  EXPECT_TRUE(WaitForText("The capital field does not pass the check a run makes (balance: (1 - 1000000))")) << Text();
  EXPECT_TRUE(fehler.Texts().empty()) << "no message box";
  // Refused once its states pass 512 MiB, after a few seconds.
  Type("rtb_startkapital", "100000");
  Type("rtb_soll_kapital", "200000");
  Type("rtb_anzahl_durchlauf", "10000");
  Type("rtb_tischlimit", "19999");
  EXPECT_TRUE(PumpUntil([&] { return Status().rfind("computing", 0) == 0; })) << Status();
  ASSERT_TRUE(WaitForText("No exact odds for these settings", 60000)) << Text();
  EXPECT_NE(Text().find("`vantrel-batch --runs K`"), std::string::npos) << Text();
}

TEST_F(OddsWindowTest, ARunIsDrawnSessionBySessionOverItsOddsAndTheWindowCanBeClosedAlone) {
  Command(kOddsCommand);
  ASSERT_TRUE(WaitForText("in short"));
  Click("cb_start");
  ASSERT_TRUE(WaitForRunEnd());
  ASSERT_TRUE(PumpUntil([&] { return Status().find(" of 10 sessions at the min balance") != std::string::npos; }))
      << Status();
  EXPECT_EQ(Status().rfind("this run: ", 0), 0u);
  const OddsAnswer& answer = form.odds_window()->answer();
  const std::vector<PlayedCourse>& courses = form.simulation().state().courses;
  ASSERT_EQ(courses.size(), 10u);
  EXPECT_EQ(OddsChart(answer, courses)->shapes.size(), OddsChart(answer)->shapes.size() + 10)
      << "a path for each session";
  UpdateWindow(Odds());

  PostMessageA(Odds(), WM_CLOSE, 0, 0);
  PumpQueued();
  EXPECT_EQ(Odds(), nullptr);
  EXPECT_TRUE(IsWindowVisible(Handle())) << "the main form stays";
  Command(kOddsCommand);
  EXPECT_TRUE(WaitForText("in short")) << "made again";
}

TEST_F(OddsWindowTest, SavePageWritesTheBatchsPage) {
  Command(kOddsCommand);
  ASSERT_TRUE(WaitForText("in short"));
  const std::string page = settings_.string() + ".html", batch_page = settings_.string() + ".batch.html";
  DialogAnswerer answerer;
  answerer.path = page;
  form.odds_window()->page_dialog().SetEventHandler(MessageHookEvent, &answerer, &DialogAnswerer::OnHook);
  const fs::path folder = fs::current_path();
  PostMessageA(GetDlgItem(Odds(), 2003), BM_CLICK, 0, 0);
  PumpQueued();
  EXPECT_EQ(fs::current_path(), folder) << "where the main form finds its settings file";
  BatchOdds(" --html \"" + batch_page + "\"");
  const std::string saved = Contents(page);
  EXPECT_NE(saved.find("<html"), std::string::npos);
  EXPECT_EQ(saved, Contents(batch_page));
  fs::remove(page, ignored_);
  fs::remove(batch_page, ignored_);
}

}  // namespace
