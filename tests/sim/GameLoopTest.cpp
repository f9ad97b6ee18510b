// Sessions played on scripted numbers, against results worked out by hand
// from the rules of a game.
#include "tests/sim/SimFixture.h"

namespace {

using GameLoop = SimFixture;
using C = Control;

// One session and how it must end.
struct SessionCase {
  const char* name;
  std::vector<std::pair<Control, const char*>> texts;
  std::vector<std::pair<Control, bool>> checks;
  std::vector<int32_t> spins;
  int drawn;
  int32_t balance;
  int32_t bet;
  const char* message;
  int message_colour;  // 0: no message
  double max, min, limit;
};

// CTest lists a case by its name.
void PrintTo(const SessionCase& c, std::ostream* out) { *out << c.name; }

// clang-format off
const SessionCase kSessions[] = {
    {"WinsStepThroughTheRowALossReturnsToTheFirstBet", {{C::rtb_anzahl_durchlauf, "5"}}, {},
     {kBlack, kBlack2, kBlack, kBlack2, kRed}, 5, 500 + 1 + 2 + 5 + 11 - 23, 1, "", 0, 0, 0, 1},
    {"ZeroLosesBettingBlack", {{C::rtb_anzahl_durchlauf, "1"}}, {}, {kZero}, 1, 499, 1, "", 0, 0, 0, 1},
    {"ZeroLosesBettingRed", {{C::rtb_anzahl_durchlauf, "1"}}, {{C::checkbox_rot_oder_schwarz, true}},
     {kZero}, 1, 499, 1, "", 0, 0, 0, 1},
    {"DoubleZeroLoses", {{C::rtb_anzahl_durchlauf, "1"}}, {{C::checkbox_zero_oder_zerozero, true}},
     {37}, 1, 499, 1, "", 0, 0, 0, 1},
    {"LossesBeyondElevenKeepTheEleventhBet",
     {{C::rtb_anzahl_durchlauf, "13"}, {C::rtb_startkapital, "1000"}, {C::rtb_soll_kapital, "2000"}},
     {{C::checkbox_bei_verlust_erster_einsatz, false}}, std::vector<int32_t>(13, kRed),
     13, 1000 - (1 + 2 + 3 + 4 + 5 + 6 + 7 + 8 + 9 + 10 + 11 + 12 + 12), 12, "", 0, 0, 0, 1},
    {"EntriesThatAreNoNumbersBetOne", {{C::rtb_g1, "abc"}, {C::rtb_g2, "-40"}, {C::rtb_anzahl_durchlauf, "2"}}, {},
     {kBlack, kBlack}, 2, 502, 1, "", 0, 0, 0, 1},
    {"ABetOfTheTableLimitPlusOneIsPlayedAndOneMoreEndsTheSession",
     {{C::rtb_tischlimit, "10"}, {C::rtb_g1, "11"}, {C::rtb_g2, "12"}, {C::rtb_startkapital, "100"},
      {C::rtb_soll_kapital, "1000"}},
     {{C::checkbox_bei_tischlimit_neueinsatz, false}}, {kBlack, kBlack}, 2, 112, 12,
     "bet > table limit or amount", WColor::Red, 0, 0, 1},
    {"WithTheResetBoxABetAtTheTableLimitBecomesTheFirstBet",
     {{C::rtb_tischlimit, "10"}, {C::rtb_g1, "11"}, {C::rtb_anzahl_durchlauf, "1"}}, {},
     {kBlack}, 1, 501, 1, "", 0, 0, 0, 1},
    {"TheWagerLimitStopsBeforeTheGameThatWouldPassIt", {{C::rtb_min_einsatz, "10"}}, {},
     std::vector<int32_t>(10, kRed), 10, 490, 1, "wager limit reached!", WColor::Green, 1, 0, 0},
    {"AFractionalGameCountPlaysWholeGamesAndCountsNothing", {{C::rtb_anzahl_durchlauf, "2.5"}}, {},
     {kRed, kRed}, 2, 498, 1, "", 0, 0, 0, 0},
    {"ABalanceAtTheMinimumEndsTheSession",
     {{C::rtb_startkapital, "101"}, {C::rtb_min_kapital, "100"}, {C::rtb_v1, "10"}},
     {{C::checkbox_bei_verlust_erster_einsatz, false}}, {kRed}, 1, 100, 10, "min balance reached !", WColor::Red,
     0, 1, 0},
    {"ABalanceBelowTheNextBetCountsOnce", {{C::rtb_startkapital, "1"}}, {}, {kRed}, 1, 0, 1,
     "balance < next bet !", WColor::Red, 0, 1, 0},
    {"TheMaximumBalanceEndsTheSession", {{C::rtb_soll_kapital, "501"}}, {}, {kBlack}, 1, 501, 2,
     "max balance reached !", WColor::Green, 1, 0, 0},
    {"TheMaximumBelowALargeNextBetCountsBoth",
     {{C::rtb_startkapital, "10"}, {C::rtb_soll_kapital, "11"}, {C::rtb_g1, "500"}},
     {{C::checkbox_bei_tischlimit_neueinsatz, false}}, {kBlack}, 1, 11, 500, "balance < next bet !", WColor::Red,
     1, 1, 0},
};
// clang-format on

class Sessions : public SimFixture, public ::testing::WithParamInterface<SessionCase> {};

TEST_P(Sessions, EndAsWorkedOutByHand) {
  const SessionCase& c = GetParam();
  for (const auto& [control, text] : c.texts) Set(control, text);
  for (const auto& [box, checked] : c.checks) form.SetChecked(box, checked);
  scripted.values.assign(c.spins.begin(), c.spins.end());
  simulation.play_session();
  const SimRunState& state = simulation.state();
  EXPECT_EQ(scripted.drawn, c.drawn);
  EXPECT_EQ(state.balance, c.balance);
  EXPECT_EQ(state.bet, c.bet);
  EXPECT_EQ(Text(C::label_infolabel), c.message);
  if (c.message_colour) {
    EXPECT_EQ(form.At(C::label_infolabel).fore.GetIndex(), c.message_colour);
  }
  EXPECT_EQ(state.max_count, c.max);
  EXPECT_EQ(state.min_count, c.min);
  EXPECT_EQ(state.limit_count, c.limit);
}

INSTANTIATE_TEST_SUITE_P(GameLoop, Sessions, ::testing::ValuesIn(kSessions),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(GameLoop, OneGameWritesEveryDisplayInOrder) {
  Set(C::rtb_anzahl_durchlauf, "1");
  Spins({kBlack});
  Record();
  simulation.play_session();
  EXPECT_EQ(form.Writes(), (std::vector<std::string>{
                               "font label_alle_zahlen \"12.Courier New\"", "text label_infolabel \"\"",
                               "text label_alle_zahlen \"\"", "back label_aktueller_durchgang 7",
                               "fore label_aktueller_durchgang 13", "text label_alle_zahlen \"   2s\"",
                               "text label_aktueller_durchgang \"   2\"", "text label_akt_durchlauf \"   1\"",
                               "text label_akt_kapital \" 501\"", "text label_akt_einsatz \"   2\"", "sleep 0"}));
}

TEST(SessionNumbers, APrefixReadsTheSameAfterTheWholeWasRendered) {
  SessionNumbers numbers;
  for (int32_t n : {7, 0, 37}) numbers.Add(n);
  EXPECT_EQ(numbers.Text(), "   7r   0zero  00zerozero");
  EXPECT_EQ(numbers.Text(1), "   7r");
  EXPECT_EQ(numbers.Text(0), "");
}

}  // namespace
