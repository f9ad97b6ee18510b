// How a run and its sessions begin: which check fails first and what it
// leaves, worked out from the window's checks, and the wheel's kinds of
// outcome that the exact odds push every state through.
#include "sim/RunStart.h"

#include <gtest/gtest.h>

#include <ostream>

#include <string>

#include "sim/WheelOdds.h"

namespace {

struct StartCase {
  const char* name;
  void (*change)(SimSettings&);
  const char* count_failure;  // the failed checks' messages, or null
  const char* start_failure;
  const char* limits_failure;
  int32_t sessions;
  int32_t capital;
  int32_t reset_balance;  // in quanta
};

// CTest lists a case by its name.
void PrintTo(const StartCase& c, std::ostream* out) { *out << c.name; }

SimSettings Defaults() {
  SimSettings s;
  for (const SettingSpec& item : kSettings) {
    if (item.kind == SettingKind::Number) s.*item.number = item.reset_value + item.offset;
    if (item.kind == SettingKind::Option) s.*item.option = item.reset_checked;
  }
  s.bet_after_wins = kResetBetAfterWins;
  s.bet_after_losses = kResetBetAfterLosses;
  return s;
}

const StartCase kStarts[] = {
    {"Defaults", [](SimSettings&) {}, nullptr, nullptr, nullptr, 10, 500, 500},
    {"NoSessionsPlaysNothing", [](SimSettings& s) { s.session_count = 0; }, "number of sessions: (1 - 500000)", nullptr,
     nullptr, 0, 500, 500},
    {"ACapitalOfNothingFailsEverySessionsStart", [](SimSettings& s) { s.capital = 0; }, nullptr,
     "balance: (1 - 1000000)", nullptr, 10, 0, 500},
    {"AFirstBetAboveTheCapitalFailsTheStart",
     [](SimSettings& s) {
       s.capital = 50;
       s.first_bet = 60;
     },
     nullptr, "first bet: (1 - 1000)", nullptr, 10, 50, 500},
    {"AMaxBalanceBelowTheCapitalFailsAfterTheFirstGame", [](SimSettings& s) { s.max_balance = 400; }, nullptr, nullptr,
     "max amount: (1 - 1000000)", 10, 500, 500},
    {"FractionsAreTruncated",
     [](SimSettings& s) {
       s.session_count = 2.7;
       s.capital = 500.9;
     },
     nullptr, nullptr, nullptr, 2, 500, 500},
    {"LaPartageCountsInHalves", [](SimSettings& s) { s.zero_rule = ZeroRule::LaPartage; }, nullptr, nullptr, nullptr,
     10, 500, 1000},
};

class RunStarts : public ::testing::TestWithParam<StartCase> {};

std::string MessageOf(const SettingSpec* failed) { return failed ? failed->message : "none"; }

TEST_P(RunStarts, FailTheirFirstCheckAndKeepWhatTheWindowKeeps) {
  const StartCase& c = GetParam();
  SimSettings settings = Defaults();
  c.change(settings);
  const RunStart start = StartOf(settings);
  EXPECT_EQ(MessageOf(start.count_failure), c.count_failure ? c.count_failure : "none");
  EXPECT_EQ(MessageOf(start.start_failure), c.start_failure ? c.start_failure : "none");
  EXPECT_EQ(MessageOf(start.limits_failure), c.limits_failure ? c.limits_failure : "none");
  EXPECT_EQ(start.sessions, c.sessions);
  EXPECT_EQ(start.capital, c.capital);
  EXPECT_EQ(start.reset_balance, c.reset_balance);
}

INSTANTIATE_TEST_SUITE_P(Settings, RunStarts, ::testing::ValuesIn(kStarts),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(RunStart, TheGeneratorStartsAtTheSeedPlusFiveWrappingAt32Bits) {
  EXPECT_EQ(RunGenerator(1000), 1005u);
  EXPECT_EQ(RunGenerator(4294967295), 4u);
}

TEST(WheelKinds, CoverEveryOutcomeOnceWhateverTheZeroRule) {
  for (const ZeroRule rule : {ZeroRule::Lose, ZeroRule::LaPartage, ZeroRule::EnPrison}) {
    for (const bool double_zero : {false, true}) {
      if (double_zero && rule != ZeroRule::Lose) continue;
      SimSettings settings = Defaults();
      settings.zero_rule = rule;
      settings.double_zero = double_zero;
      const WheelKinds kinds = KindsOf(RulesOf(settings, true));
      double total = 0;
      for (int32_t k = 0; k < kinds.count; ++k) total += kinds.chance[k];
      EXPECT_NEAR(total, 1.0, 1e-15);
      // En prison a zero spins again within the game: red, black or zero.
      EXPECT_EQ(kinds.count, rule == ZeroRule::EnPrison ? 5 : 3);
      EXPECT_NEAR(kinds.chance[0] + kinds.chance[1], 1 - ZeroChance(double_zero), 1e-15);
    }
  }
}

}  // namespace
