// The info notice and the help text as the commands show them.
#include "files/InfoTexts.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace {

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream stream(text);
  for (std::string line; std::getline(stream, line);) lines.push_back(line);
  return lines;
}

TEST(HelpText, IsSeventeenLinesWithTheirTrailingBlanksAndNoFinalBreak) {
  const std::string help = InfoTexts::kHelpText;
  const std::vector<std::string> lines = Lines(help);
  ASSERT_EQ(lines.size(), 17u);
  EXPECT_EQ(lines[0], "Following is a little explanation of each parameter.");
  EXPECT_EQ(lines[16], "reset - all the values are standard values again...");
  for (std::size_t i = 1; i <= 15; ++i) EXPECT_EQ(lines[i].back(), ' ') << "line " << i + 1;
  EXPECT_NE(help.back(), '\n');
  EXPECT_EQ(lines[8].rfind("min wager - if you play a bonus promotion", 0), 0u);
  EXPECT_NE(help.find("a certainamount of money"), std::string::npos) << "as written";
}

TEST(InfoNotice, NamesTheProgramThenTheSponsorsSiteAndItsLanguages) {
  const std::string notice = InfoTexts::kInfoNotice;
  const std::vector<std::string> lines = Lines(notice);
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(lines[0].rfind("Vantrel V1.1", 0), 0u);
  EXPECT_EQ(lines[1], InfoTexts::kSponsorHost);
  EXPECT_EQ(lines[2], "site in English and German language");
  // The box takes the notice as a format.
  EXPECT_EQ(notice.find('%'), std::string::npos);
  EXPECT_EQ(std::string(InfoTexts::kSponsorPage), std::string("https://") + InfoTexts::kSponsorHost + "/english/");
  const std::string host = InfoTexts::kSponsorHost;
  EXPECT_EQ(host.substr(host.size() - 8), ".example") << "a reserved name, no one's real site";
}

}  // namespace
