// The settings file: what a save writes, and what a load takes back.
#include "files/SettingsFile.h"

#include <gtest/gtest.h>

#include <string>

#include "sim/MemoryForm.h"
#include "sim/Simulation.h"

namespace {

std::string Replaced(std::string text, const std::string& from, const std::string& to) {
  for (std::size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size())) {
    text.replace(at, from.size(), to);
  }
  return text;
}

class SettingsFileTest : public ::testing::Test {
 protected:
  SettingsFileTest() { simulation.reset_settings(); }
  MemoryForm form{1000};
  Simulation simulation{form};
};

TEST_F(SettingsFileTest, ASaveAfterTheResetKeepsTheFieldsAsTheyStandAndTheBoxesAsShown) {
  const std::string bytes = SettingsFile::Format(SettingsFile::Collect(form));
  const std::string expected =
      "     500\r\n    10\r\n   1\r\n100000\r\n  1000\r\n     550\r\n     500\r\n       0\r\n"
      "   2\r\n   5\r\n  11\r\n  23\r\n  47\r\n  95\r\n 191\r\n 382\r\n 765\r\n1531\r\n3063\r\n"
      "   2\r\n   3\r\n   4\r\n   5\r\n   6\r\n   7\r\n   8\r\n   9\r\n  10\r\n  11\r\n  12\r\n"
      // first bet after win, after loss, switch, table limit, ZeroZero, red
      "0\r\n1\r\n0\r\n1\r\n0\r\n0\r\n";
  EXPECT_EQ(bytes, expected);

  form.SetChecked(Control::checkbox_rot_oder_schwarz, true);  // changed after the last game
  EXPECT_EQ(SettingsFile::Format(SettingsFile::Collect(form)).substr(bytes.size() - 3), "1\r\n")
      << "the box as it is shown now";
}

TEST_F(SettingsFileTest, WhatIsSavedLoadsBackTheSame) {
  form.SetText(Control::rtb_g4, WString(std::string(100, '7').c_str()));
  form.SetText(Control::rtb_v1, WString(""));
  form.SetChecked(Control::checkbox_zero_oder_zerozero, true);
  const SettingsFile::Values saved = SettingsFile::Collect(form);
  const std::string bytes = SettingsFile::Format(saved);

  for (const std::string& variant : {bytes, Replaced(bytes, "\r\n", "\n"), bytes.substr(0, bytes.size() - 2)}) {
    const SettingsFile::Parsed parsed = SettingsFile::Parse(variant);
    ASSERT_TRUE(parsed.complete);
    EXPECT_EQ(parsed.values.texts, saved.texts) << "a line of any length is one value";
    EXPECT_EQ(parsed.values.options, saved.options);
    MemoryForm other;
    SettingsFile::Apply(other, parsed.values);
    EXPECT_STREQ(other.GetText(Control::rtb_g4).GetText(), std::string(100, '7').c_str());
    EXPECT_STREQ(other.GetText(Control::rtb_startkapital).GetText(), "     500");
    EXPECT_TRUE(other.GetChecked(Control::checkbox_zero_oder_zerozero));
    EXPECT_TRUE(other.GetChecked(Control::checkbox_bei_verlust_erster_einsatz));
  }
}

TEST(SettingsFileOptions, OnlyANumberThatTruncatesToOneChecksABox) {
  EXPECT_TRUE(SettingsFile::OptionOf("1"));
  EXPECT_TRUE(SettingsFile::OptionOf("1.9"));
  EXPECT_TRUE(SettingsFile::OptionOf(" 1abc"));
  EXPECT_FALSE(SettingsFile::OptionOf("2"));
  EXPECT_FALSE(SettingsFile::OptionOf("-1"));
  EXPECT_FALSE(SettingsFile::OptionOf(""));
  EXPECT_FALSE(SettingsFile::OptionOf("abc"));
  EXPECT_FALSE(SettingsFile::OptionOf("0"));
  EXPECT_FALSE(SettingsFile::OptionOf("1e40")) << "beyond every integer";
}

TEST(SettingsFileParse, AShortFileIsIncompleteAndSaysHowManyLinesItHas) {
  std::string lines;
  for (int i = 0; i < 35; ++i) lines += "5\r\n";
  SettingsFile::Parsed parsed = SettingsFile::Parse(lines);
  EXPECT_FALSE(parsed.complete);
  EXPECT_EQ(parsed.lines, 35u);
  EXPECT_FALSE(SettingsFile::Parse("").complete);
  EXPECT_EQ(SettingsFile::Parse("").lines, 0u);
  EXPECT_EQ(SettingsFile::Parse("only one line").lines, 1u);

  lines += "1\r\nlater lines are not settings\r\n";
  parsed = SettingsFile::Parse(lines);
  EXPECT_TRUE(parsed.complete);
  EXPECT_TRUE(parsed.values.options[5]);
}

TEST(SettingsFileParse, EmptyLinesAreEmptyValuesInTheirPlaces) {
  std::string lines = "\r\n\r\n 750\r\n";
  for (int i = 3; i < 36; ++i) lines += "\r\n";
  const SettingsFile::Parsed parsed = SettingsFile::Parse(lines);
  ASSERT_TRUE(parsed.complete);
  EXPECT_EQ(parsed.values.texts[0], "");
  EXPECT_EQ(parsed.values.texts[2], " 750");
  EXPECT_FALSE(parsed.values.options[0]);
}

}  // namespace
