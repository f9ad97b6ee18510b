// The settings file: what a save writes, and what a load takes back.
#include "files/SettingsFile.h"

#include <gtest/gtest.h>

#include <string>

#include "sim/MemoryForm.h"
#include "sim/Simulation.h"

namespace {

class SettingsFileTest : public ::testing::Test {
 protected:
  SettingsFileTest() { simulation.reset_settings(); }
  MemoryForm form{1000};
  Simulation simulation{form};
};

TEST_F(SettingsFileTest, ASaveAfterTheResetKeepsTheFieldsAsTheyStandAndTheBoxesAsShown) {
  form.SetChecked(Control::checkbox_rot_oder_schwarz, true);  // changed after the last game
  EXPECT_EQ(SettingsFile::Format(SettingsFile::Collect(form)),
            "     500\r\n    10\r\n   1\r\n100000\r\n  1000\r\n     550\r\n     500\r\n       0\r\n"
            "   2\r\n   5\r\n  11\r\n  23\r\n  47\r\n  95\r\n 191\r\n 382\r\n 765\r\n1531\r\n3063\r\n"
            "   2\r\n   3\r\n   4\r\n   5\r\n   6\r\n   7\r\n   8\r\n   9\r\n  10\r\n  11\r\n  12\r\n"
            // first bet after win, after loss, switch, table limit, ZeroZero, red
            "0\r\n1\r\n0\r\n1\r\n0\r\n1\r\n");
}

TEST_F(SettingsFileTest, WhatIsSavedLoadsBackTheSameWithAnyLineEnds) {
  const std::string long_entry(100, '7');
  form.SetText(Control::rtb_g4, WString(long_entry.c_str()));
  form.SetText(Control::rtb_v1, WString(""));
  form.SetChecked(Control::checkbox_zero_oder_zerozero, true);
  const SettingsFile::Values saved = SettingsFile::Collect(form);
  const std::string bytes = SettingsFile::Format(saved);
  std::string unix_lines = bytes;
  for (std::size_t at; (at = unix_lines.find("\r\n")) != std::string::npos;) unix_lines.erase(at, 1);

  for (const std::string& variant : {bytes, unix_lines, bytes.substr(0, bytes.size() - 2), bytes + "later\r\n"}) {
    const SettingsFile::Parsed parsed = SettingsFile::Parse(variant);
    ASSERT_TRUE(parsed.complete);
    EXPECT_EQ(parsed.values.texts, saved.texts);
    EXPECT_EQ(parsed.values.options, saved.options);
    MemoryForm other;
    SettingsFile::Apply(other, parsed.values);
    EXPECT_EQ(other.GetText(Control::rtb_g4), long_entry.c_str());
    EXPECT_EQ(other.GetText(Control::rtb_v1), "");
    EXPECT_TRUE(other.GetChecked(Control::checkbox_zero_oder_zerozero));
    EXPECT_TRUE(other.GetChecked(Control::checkbox_bei_verlust_erster_einsatz));
  }
}

TEST(SettingsFileParse, AShortFileIsIncompleteAndSaysHowManyLinesItHas) {
  const std::pair<const char*, std::size_t> cases[] = {{"", 0}, {"only one line", 1}, {"a\r\nb\r\n", 2}};
  for (const auto& [bytes, lines] : cases) {
    EXPECT_FALSE(SettingsFile::Parse(bytes).complete);
    EXPECT_EQ(SettingsFile::Parse(bytes).lines, lines);
  }
  std::string short_file;
  for (int i = 0; i < 35; ++i) short_file += "5\r\n";
  EXPECT_EQ(SettingsFile::Parse(short_file).lines, 35u);
  EXPECT_FALSE(SettingsFile::Parse(short_file).complete);
}

TEST(SettingsFileOptions, OnlyANumberThatTruncatesToOneChecksABox) {
  for (const char* checked : {"1", "1.9", " 1abc"}) EXPECT_TRUE(SettingsFile::OptionOf(checked)) << checked;
  for (const char* clear : {"2", "-1", "", "abc", "0", "1e40"}) EXPECT_FALSE(SettingsFile::OptionOf(clear)) << clear;
}

}  // namespace
