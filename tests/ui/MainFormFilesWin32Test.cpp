// The save and load commands of the main form, with the real save dialog
// answered by the test, in a working folder of the test's own; and every
// accelerator.
#include "framework/events/WindowsHeadersWin32.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "files/InfoTexts.h"
#include "tests/framework/dialogs/DialogAnswererWin32.h"
#include "tests/ui/MainFormFixtureWin32.h"

namespace {

namespace fs = std::filesystem;

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
    // By the system's calls: the library's walk of a folder does not end
    // on the links some tests leave under Wine.
    WIN32_FIND_DATAA found{};
    HANDLE search = FindFirstFileA(Path("*").c_str(), &found);
    for (bool more = search != INVALID_HANDLE_VALUE; more; more = FindNextFileA(search, &found)) {
      const std::string path = Path(found.cFileName);
      if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) continue;
      SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
      DeleteFileA(path.c_str());
    }
    if (search != INVALID_HANDLE_VALUE) FindClose(search);
    RemoveDirectoryA(folder_.string().c_str());
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

TEST_F(MainFormFiles, ANameTooLongForAPathIsRefusedByTheDialogItself) {
  // The system's dialog would copy such a path into a buffer of MAX_PATH.
  answerer.cancel_after = true;
  MessageBoxAnswerer refusal("Save As");
  for (const std::size_t length : {231u, 300u, 5000u}) Save(Path((std::string(length, 'a') + ".txt").c_str()));
  ASSERT_EQ(refusal.Texts().size(), 3u);
  EXPECT_NE(refusal.Texts()[0].find("a path may have at most 259"), std::string::npos) << refusal.Texts()[0];
  EXPECT_EQ(std::distance(fs::directory_iterator(folder_), {}), 1) << "the settings file, and no report";
  Save(Path((std::string(200, 'b') + ".txt").c_str()));  // a long name that fits is taken
  EXPECT_TRUE(fs::exists(Path((std::string(200, 'b') + ".txt").c_str())));
}

// A symbolic link in the test's folder: the system's own where it makes
// them, else (under Wine, whose call makes none) one made by ln.
bool MakeLink(const std::string& folder, const char* link, const char* target) {
  const std::string path = folder + "\\" + link;
  if (CreateSymbolicLinkA(path.c_str(), target, 0) && GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES) {
    return true;
  }
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  std::string command = std::string("/bin/ln -s ") + target + " " + link;
  if (!CreateProcessA(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(), &startup, &process)) {
    return false;
  }
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  // Wine cannot wait for a program of its host; the link comes when it comes.
  for (int waited = 0; waited < 100; ++waited) {
    if (GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES) return true;
    Sleep(50);
  }
  return false;
}

TEST_F(MainFormFiles, LinksStayLinksAndTheFilesTheyLeadToAreReplaced) {
  std::ofstream(Path("report.real"), std::ios::binary) << "old";
  std::ofstream(Path("settings.real"), std::ios::binary) << "old";
  if (!MakeLink(folder_.string(), "link.txt", "report.real") ||
      !MakeLink(folder_.string(), "roul_dat.dat", "settings.real")) {
    GTEST_SKIP() << "no symbolic links can be made here";
  }
  MessageBoxAnswerer fehler("Fehler");
  Save(Path("link.txt"));
  EXPECT_EQ(fehler.Texts(), std::vector<std::string>());
  EXPECT_EQ(Contents(Path("report.real")).rfind("capital:", 0), 0u) << "the report went where the link leads";
  EXPECT_EQ(Contents(Path("settings.real")).rfind("     500\r\n", 0), 0u) << "and so did the settings";
  // Still links: what the files they lead to hold, they show.
  std::ofstream(Path("report.real"), std::ios::binary) << "changed";
  std::ofstream(Path("settings.real"), std::ios::binary) << "changed";
  EXPECT_EQ(Contents(Path("link.txt")), "changed");
  EXPECT_EQ(Contents(Path("roul_dat.dat")), "changed");
}

TEST_F(MainFormFiles, ALineTooLongForAFieldIsRefusedAtOnceAndChangesNothing) {
  MessageBoxAnswerer fehler("Fehler");
  std::ofstream(Path("roul_dat.dat"), std::ios::binary) << std::string(1 << 20, '7') << "\r\n"
                                                        << std::string(35 * 5, '\n');
  const DWORD start = GetTickCount();
  Command(1010);
  PumpQueued();
  EXPECT_LT(GetTickCount() - start, 1000u);
  ASSERT_EQ(fehler.Texts().size(), 1u);
  EXPECT_EQ(fehler.Texts()[0],
            "roul_dat.dat: line 1 is longer than the 255 characters a field takes.\nNothing was changed.");
  EXPECT_EQ(Text("rtb_startkapital"), "     500");
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
