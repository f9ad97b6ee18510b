// The save and load commands of the main form, with the real save dialog
// answered by the test, in a working folder of the test's own.
#include "framework/events/WindowsHeadersWin32.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "files/InfoTexts.h"
#include "tests/framework/dialogs/DialogAnswererWin32.h"
#include "tests/ui/MainFormFixtureWin32.h"

namespace {

std::string Contents(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << file.rdbuf();
  return bytes.str();
}

bool Exists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

// Notes every menu item that is chosen, before the form's own handler
// runs.
class MenuLog : public WObject {
 public:
  bool Chosen(WObject* source, WEventData*) {
    chosen.push_back(static_cast<int>(static_cast<WMenuItem*>(source)->GetCommand()));
    return false;
  }
  std::vector<int> chosen;
};

class MainFormFiles : public MainFormTest {
 protected:
  void SetUp() override {
    char temporary[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, temporary);
    folder_ = std::string(temporary) + "vantrel-files-" + std::to_string(GetTickCount());
    CreateDirectoryA(folder_.c_str(), nullptr);
    GetCurrentDirectoryA(MAX_PATH, previous_);
    SetCurrentDirectoryA(folder_.c_str());
    MainFormTest::SetUp();
    if (HasFatalFailure()) return;
    form.filedialog_1()->SetEventHandler(MessageHookEvent, &answerer, &DialogAnswerer::OnHook);
  }
  void TearDown() override {
    SetCurrentDirectoryA(previous_);
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((folder_ + "\\*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
      do {
        const std::string path = folder_ + "\\" + found.cFileName;
        SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
        DeleteFileA(path.c_str());
      } while (FindNextFileA(search, &found));
      FindClose(search);
    }
    RemoveDirectoryA(folder_.c_str());
  }

  std::string Path(const char* name) const { return folder_ + "\\" + name; }
  void Save(const std::string& report) {
    answerer.confirm = !report.empty();
    answerer.path = report;
    Command(1008);
    PumpQueued();
  }
  void Load() {
    Command(1010);
    PumpQueued();
  }

  DialogAnswerer answerer;
  std::string folder_;
  char previous_[MAX_PATH] = {};
};

TEST_F(MainFormFiles, AConfirmedSaveWritesTheReportThenTheSettingsFile) {
  Click("checkbox_zero_oder_zerozero");  // shown, but no game has read it yet
  PumpQueued();
  Save(Path("report.txt"));
  const std::string report = Contents(Path("report.txt"));
  EXPECT_EQ(report.rfind("capital:     500\r\nsessions:    10\r\n", 0), 0u) << report;
  EXPECT_NE(report.find("\r\ngame with Zero\r\n"), std::string::npos) << "the report tells the options played";
  EXPECT_NE(report.find("bet with game lost: \r\n"), std::string::npos);

  const std::string settings = Contents(Path("roul_dat.dat"));
  EXPECT_EQ(settings.rfind("     500\r\n    10\r\n", 0), 0u) << settings;
  // first bet after win, after loss, switch, table limit, ZeroZero, red:
  // as the boxes show them.
  EXPECT_EQ(settings.substr(settings.size() - 18), "0\r\n1\r\n0\r\n1\r\n1\r\n0\r\n");
}

TEST_F(MainFormFiles, ACancelledSaveWritesOnlyTheSettingsFile) {
  Save("");
  EXPECT_TRUE(Exists(Path("roul_dat.dat")));
  EXPECT_FALSE(Exists(Path("report.txt")));
}

TEST_F(MainFormFiles, AReportThatCannotBeWrittenIsReportedAndTheSettingsFileIsStillWritten) {
  const std::string locked = Path("locked.txt");
  std::ofstream(locked, std::ios::binary) << "an earlier report";
  SetFileAttributesA(locked.c_str(), FILE_ATTRIBUTE_READONLY);
  MessageBoxAnswerer fehler("Fehler");
  Save(locked);
  ASSERT_EQ(fehler.Texts().size(), 1u) << Contents(locked);
  EXPECT_EQ(fehler.Texts()[0].rfind(locked + " could not be written: ", 0), 0u) << fehler.Texts()[0];
  EXPECT_GT(fehler.Texts()[0].size(), locked.size() + 24) << "with the system's reason";
  EXPECT_EQ(Contents(locked), "an earlier report") << "left whole";
  EXPECT_TRUE(Exists(Path("roul_dat.dat")));

  DeleteFileA(Path("roul_dat.dat").c_str());
  Save(Path("no such folder\\report.txt"));
  ASSERT_EQ(fehler.Texts().size(), 2u);
  EXPECT_NE(fehler.Texts()[1].find("no such folder\\report.txt could not be written: "), std::string::npos);
  EXPECT_TRUE(Exists(Path("roul_dat.dat")));
}

TEST_F(MainFormFiles, LoadBringsBackWhatWasSaved) {
  Type("rtb_startkapital", "1234");
  Type("rtb_v5", "77");
  Click("checkbox_rot_oder_schwarz");
  PumpQueued();
  Save("");
  Type("rtb_startkapital", "9");
  Type("rtb_v5", "");
  Click("checkbox_rot_oder_schwarz");
  Command(1004);  // the reset as well
  PumpQueued();
  Load();
  EXPECT_EQ(Text("rtb_startkapital"), "1234");
  EXPECT_EQ(Text("rtb_v5"), "77");
  EXPECT_EQ(Text("rtb_g1"), "   2") << "the reset's text, with its spaces";
  EXPECT_TRUE(Checked("checkbox_rot_oder_schwarz"));
}

TEST_F(MainFormFiles, ALoadThatCannotReadTheWholeFileChangesNothing) {
  Type("rtb_startkapital", "4321");
  Click("checkbox_zero_oder_zerozero");
  PumpQueued();
  MessageBoxAnswerer fehler("Fehler");
  Load();  // no file in the folder
  std::string short_file;
  for (int line = 0; line < 35; ++line) short_file += "1\r\n";
  std::ofstream(Path("roul_dat.dat"), std::ios::binary) << short_file;
  Load();  // 35 lines
  ASSERT_EQ(fehler.Texts().size(), 2u);
  EXPECT_EQ(fehler.Texts()[0].rfind("roul_dat.dat could not be read: ", 0), 0u) << fehler.Texts()[0];
  EXPECT_EQ(fehler.Texts()[1], "roul_dat.dat has 35 lines, a settings file has 36.\nNothing was changed.");
  EXPECT_EQ(Text("rtb_startkapital"), "4321");
  EXPECT_TRUE(Checked("checkbox_zero_oder_zerozero"));
}

TEST_F(MainFormFiles, AllEightAcceleratorsReachTheirCommands) {
  form.poll_timer()->Stop();  // so that a start request stays a request
  MenuLog log;
  for (int command : {1001, 1002, 1004, 1006, 1008, 1010, 1011, 1012}) {
    WMenuItem* item = form.menu()->FindItem(static_cast<uint16_t>(command), true);
    ASSERT_NE(item, nullptr) << command;
    item->SetEventHandler(ClickEvent, &log, &MenuLog::Chosen);
  }
  HWND field = ChildHandle("rtb_startkapital");
  answerer.confirm = false;  // Ctrl+S: no report, the settings file only
  MessageBoxAnswerer info_box(InfoTexts::kInfoCaption);
  for (char key : {'R', 'P', 'Z', 'E', 'S', 'L', 'I', 'H'}) PressControlKey(field, key);
  EXPECT_EQ(log.chosen, (std::vector<int>{1001, 1002, 1004, 1006, 1008, 1010, 1011, 1012}));

  const SimRunState& state = form.simulation().state();
  EXPECT_TRUE(state.start_requested) << "Ctrl+R";
  EXPECT_EQ(state.sessions_remaining, 1) << "Ctrl+P";
  EXPECT_EQ(info_box.Texts(), std::vector<std::string>{InfoTexts::kInfoNotice}) << "Ctrl+I";
  EXPECT_EQ(Text("label_alle_zahlen"), InfoTexts::kHelpText) << "Ctrl+H";
  EXPECT_TRUE(Exists(Path("roul_dat.dat"))) << "Ctrl+S";
}

}  // namespace
