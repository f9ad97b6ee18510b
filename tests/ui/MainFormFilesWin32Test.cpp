// The save and load commands of the main form, with the real save dialog
// answered by the test, in a working folder of the test's own; and every
// accelerator.
#include "framework/events/WindowsHeadersWin32.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "files/InfoTexts.h"
#include "tests/framework/dialogs/DialogAnswererWin32.h"
#include "tests/ui/MainFormFixtureWin32.h"

namespace {

namespace fs = std::filesystem;

std::string Contents(const std::string& path) {
  std::ostringstream bytes;
  bytes << std::ifstream(path, std::ios::binary).rdbuf();
  return bytes.str();
}

class MainFormFiles : public MainFormTest {
 protected:
  void SetUp() override {
    folder_ = fs::temp_directory_path() / ("vantrel-files-" + std::to_string(GetTickCount()));
    fs::create_directories(folder_);
    previous_ = fs::current_path();
    fs::current_path(folder_);
    MainFormTest::SetUp();
    if (HasFatalFailure()) return;
    form.filedialog_1()->SetEventHandler(MessageHookEvent, &answerer, &DialogAnswerer::OnHook);
  }
  void TearDown() override {
    fs::current_path(previous_);
    for (const auto& entry : fs::directory_iterator(folder_)) {
      SetFileAttributesA(entry.path().string().c_str(), FILE_ATTRIBUTE_NORMAL);
    }
    fs::remove_all(folder_);
  }

  std::string Path(const char* name) const { return (folder_ / name).string(); }
  void Save(const std::string& report) {
    answerer.confirm = !report.empty();
    answerer.path = report;
    Command(1008);
    PumpQueued();
  }

  DialogAnswerer answerer;
  fs::path folder_, previous_;
};

TEST_F(MainFormFiles, ASaveWritesTheReportIfConfirmedThenAlwaysTheSettingsFile) {
  Click("checkbox_zero_oder_zerozero");  // shown, but no game has read it yet
  PumpQueued();
  Save(Path("report.txt"));
  const std::string report = Contents(Path("report.txt"));
  EXPECT_EQ(report.rfind("capital:     500\r\nsessions:    10\r\n", 0), 0u) << report;
  EXPECT_NE(report.find("\r\ngame with Zero\r\n"), std::string::npos) << "the report tells the options played";
  const std::string settings = Contents(Path("roul_dat.dat"));
  EXPECT_EQ(settings.rfind("     500\r\n    10\r\n", 0), 0u) << settings;
  // first bet after win, after loss, switch, table limit, ZeroZero, red: as the boxes show them.
  EXPECT_EQ(settings.substr(settings.size() - 18), "0\r\n1\r\n0\r\n1\r\n1\r\n0\r\n");

  fs::remove(Path("report.txt"));
  fs::remove(Path("roul_dat.dat"));
  Save("");
  EXPECT_TRUE(fs::exists(Path("roul_dat.dat")));
  EXPECT_FALSE(fs::exists(Path("report.txt"))) << "a cancelled save writes no report";
}

TEST_F(MainFormFiles, AReportThatCannotBeWrittenIsReportedAndTheSettingsFileIsStillWritten) {
  const std::string locked = Path("locked.txt");
  std::ofstream(locked, std::ios::binary) << "an earlier report";
  SetFileAttributesA(locked.c_str(), FILE_ATTRIBUTE_READONLY);
  MessageBoxAnswerer fehler("Fehler");
  Save(locked);
  Save(Path("no such folder\\report.txt"));
  ASSERT_EQ(fehler.Texts().size(), 2u) << Contents(locked);
  EXPECT_EQ(fehler.Texts()[0].rfind(locked + " could not be written: ", 0), 0u) << fehler.Texts()[0];
  EXPECT_GT(fehler.Texts()[0].size(), locked.size() + 24) << "with the system's reason";
  EXPECT_NE(fehler.Texts()[1].find("no such folder\\report.txt could not be written: "), std::string::npos);
  EXPECT_EQ(Contents(locked), "an earlier report") << "left whole";
  EXPECT_TRUE(fs::exists(Path("roul_dat.dat")));
}

TEST_F(MainFormFiles, LoadBringsBackWhatWasSavedAndALoadThatCannotReadItAllChangesNothing) {
  Type("rtb_startkapital", "1234");
  Type("rtb_v5", "77");
  Click("checkbox_rot_oder_schwarz");
  PumpQueued();
  Save("");
  Type("rtb_startkapital", "9");
  Command(1004);  // the reset as well
  Command(1010);
  PumpQueued();
  EXPECT_EQ(Text("rtb_startkapital"), "1234");
  EXPECT_EQ(Text("rtb_v5"), "77");
  EXPECT_EQ(Text("rtb_g1"), "   2") << "the reset's text, with its spaces";
  EXPECT_TRUE(Checked("checkbox_rot_oder_schwarz"));

  MessageBoxAnswerer fehler("Fehler");
  std::ofstream(Path("roul_dat.dat"), std::ios::binary) << std::string(35, '\n');
  Command(1010);
  PumpQueued();
  fs::remove(Path("roul_dat.dat"));
  Command(1010);
  PumpQueued();
  ASSERT_EQ(fehler.Texts().size(), 2u);
  EXPECT_EQ(fehler.Texts()[0], "roul_dat.dat has 35 lines, a settings file has 36.\nNothing was changed.");
  EXPECT_EQ(fehler.Texts()[1].rfind("roul_dat.dat could not be read: ", 0), 0u) << fehler.Texts()[1];
  EXPECT_EQ(Text("rtb_startkapital"), "1234");
}

// Notes every menu item that is chosen, before the form's own handler runs.
class MenuLog : public WObject {
 public:
  bool Chosen(WObject* source, WEventData*) {
    chosen.push_back(static_cast<int>(static_cast<WMenuItem*>(source)->GetCommand()));
    return false;
  }
  std::vector<int> chosen;
};

TEST_F(MainFormFiles, AllEightAcceleratorsReachTheirCommands) {
  form.poll_timer()->Stop();  // so that a start request stays a request
  MenuLog log;
  const std::vector<int> commands = {1001, 1002, 1004, 1006, 1008, 1010, 1011, 1012};
  for (int command : commands) {
    form.menu()->FindItem(static_cast<uint16_t>(command), true)->SetEventHandler(ClickEvent, &log, &MenuLog::Chosen);
  }
  answerer.confirm = false;  // Ctrl+S: no report, the settings file only
  MessageBoxAnswerer info_box(InfoTexts::kInfoCaption);
  for (char key : {'R', 'P', 'Z', 'E', 'S', 'L', 'I', 'H'}) PressControlKey(ChildHandle("rtb_startkapital"), key);
  EXPECT_EQ(log.chosen, commands);
  const SimRunState& state = form.simulation().state();
  EXPECT_TRUE(state.start_requested) << "Ctrl+R";
  EXPECT_EQ(state.sessions_remaining, 1) << "Ctrl+P";
  EXPECT_EQ(info_box.Texts(), std::vector<std::string>{InfoTexts::kInfoNotice}) << "Ctrl+I";
  EXPECT_EQ(Text("label_alle_zahlen"), InfoTexts::kHelpText) << "Ctrl+H";
  EXPECT_TRUE(fs::exists(Path("roul_dat.dat"))) << "Ctrl+S";
}

}  // namespace
