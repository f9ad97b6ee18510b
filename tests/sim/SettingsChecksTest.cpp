// The checks of the settings, their bounds and messages, and the defaults
// that the reset writes.
#include "sim/SettingsChecks.h"

#include "tests/sim/SimFixture.h"

namespace {

using C = Control;
enum class Group { SessionStart, BalanceLimits, SessionCount };

struct CheckCase {
  const char* name;
  std::vector<std::pair<Control, const char*>> texts;
  Group group;
  const char* message;  // empty: the check passes
};

// CTest lists a case by its name.
void PrintTo(const CheckCase& c, std::ostream* out) { *out << c.name; }

// clang-format off
const CheckCase kChecks[] = {
    {"CapitalBelowOne", {{C::rtb_startkapital, "0.5"}}, Group::SessionStart, "balance: (1 - 1000000)"},
    {"CapitalAtItsTop", {{C::rtb_startkapital, "1000000"}}, Group::SessionStart, ""},
    {"CapitalAboveItsTop", {{C::rtb_startkapital, "1000000.01"}}, Group::SessionStart, "balance: (1 - 1000000)"},
    {"GamesAboveTenThousand", {{C::rtb_anzahl_durchlauf, "10001"}}, Group::SessionStart,
     "games per session (1 - 10000)"},
    {"GamesAtTenThousand", {{C::rtb_anzahl_durchlauf, "10000"}}, Group::SessionStart, ""},
    {"FirstBetBelowOne", {{C::rtb_erster_einsatz, "0.5"}}, Group::SessionStart, "first bet: (1 - 1000)"},
    {"DelayAboveFiveSeconds", {{C::rtb_verzoegerung, "5001"}}, Group::SessionStart, "delay: (0 - 5000)"},
    {"FirstBetAboveAThousand", {{C::rtb_erster_einsatz, "1000.5"}}, Group::SessionStart, "first bet: (1 - 1000)"},
    {"FirstBetEqualToTheCapital", {{C::rtb_startkapital, "5"}, {C::rtb_erster_einsatz, "5"}}, Group::SessionStart,
     ""},
    {"FirstBetAboveTheCapital", {{C::rtb_startkapital, "5"}, {C::rtb_erster_einsatz, "6"}}, Group::SessionStart,
     "first bet: (1 - 1000)"},
    {"WagerLimitZero", {{C::rtb_min_einsatz, "0"}}, Group::SessionStart, "minimum bet: (1 - 9999999)"},
    {"WagerLimitAtItsTop", {{C::rtb_min_einsatz, "9999999"}}, Group::SessionStart, ""},
    {"TableLimitZeroIsStoredAsOne", {{C::rtb_tischlimit, "0"}}, Group::SessionStart, ""},
    {"TableLimit19999IsStoredAs20000", {{C::rtb_tischlimit, "19999"}}, Group::SessionStart, ""},
    {"TableLimit20000", {{C::rtb_tischlimit, "20000"}}, Group::SessionStart, "table limit: (1 - 20000)"},
    {"TableLimitMinusOne", {{C::rtb_tischlimit, "-1"}}, Group::SessionStart, "table limit: (1 - 20000)"},
    {"MaxBalanceEqualToTheCapital", {{C::rtb_soll_kapital, "500"}}, Group::BalanceLimits, ""},
    {"MaxBalanceBelowTheCapital", {{C::rtb_soll_kapital, "499"}}, Group::BalanceLimits, "max amount: (1 - 1000000)"},
    {"MaxBalanceAboveItsTop", {{C::rtb_soll_kapital, "1000001"}}, Group::BalanceLimits, "max amount: (1 - 1000000)"},
    {"MinBalanceEqualToMaxBalance", {{C::rtb_soll_kapital, "600"}, {C::rtb_min_kapital, "600"}},
     Group::BalanceLimits, ""},
    {"MinBalanceAboveMaxBalance", {{C::rtb_soll_kapital, "600"}, {C::rtb_min_kapital, "600.5"}},
     Group::BalanceLimits, "min amount (0 - 1000000)"},
    {"MinBalanceBelowZero", {{C::rtb_min_kapital, "-1"}}, Group::BalanceLimits, "min amount (0 - 1000000)"},
    {"FractionalSessionCount", {{C::rtb_anzahl_gesamtdurchgaenge, "2.5"}}, Group::SessionCount, ""},
    {"EmptySessionCount", {{C::rtb_anzahl_gesamtdurchgaenge, ""}}, Group::SessionCount,
     "number of sessions: (1 - 500000)"},
    {"SessionCountAboveItsTop", {{C::rtb_anzahl_gesamtdurchgaenge, "500001"}}, Group::SessionCount,
     "number of sessions: (1 - 500000)"},
};
// clang-format on

class Checks : public SimFixture, public ::testing::WithParamInterface<CheckCase> {
 protected:
  bool Run(Group group) {
    switch (group) {
      case Group::SessionStart: return CheckSessionStart(form, settings);
      case Group::BalanceLimits: return CheckSessionStart(form, settings) && CheckBalanceLimits(form, settings);
      case Group::SessionCount: return CheckSessionCount(form, settings);
    }
    return false;
  }
  SimSettings settings;
};

TEST_P(Checks, PassOrFailWithTheirMessage) {
  const CheckCase& c = GetParam();
  for (const auto& [control, text] : c.texts) Set(control, text);
  const bool passes = *c.message == '\0';
  EXPECT_EQ(Run(c.group), passes);
  EXPECT_EQ(form.Messages(), passes ? std::vector<std::string>{} : std::vector<std::string>{c.message});
}

INSTANTIATE_TEST_SUITE_P(Settings, Checks, ::testing::ValuesIn(kChecks),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(TableLimit, IsStoredAsTheEntryPlusOne) {
  const std::pair<const char*, double> cases[] = {{"0", 1}, {"19999", 20000}, {"1000", 1001}, {"", 1}};
  for (const auto& [entry, stored] : cases) {
    MemoryForm form;
    Simulation simulation(form);
    simulation.reset_settings();
    form.SetText(C::rtb_tischlimit, WString(entry));
    SimSettings settings;
    CheckSessionStart(form, settings);
    EXPECT_EQ(settings.table_limit, stored) << entry;
  }
}

using SettingsChecks = Checks;

TEST_F(SettingsChecks, TheFirstFailureStopsTheReading) {
  Set(C::rtb_anzahl_durchlauf, "0");
  Set(C::rtb_verzoegerung, "99999");
  Set(C::rtb_startkapital, "700");
  settings.delay_ms = -7;
  EXPECT_FALSE(CheckSessionStart(form, settings));
  EXPECT_EQ(form.Messages(), std::vector<std::string>{"games per session (1 - 10000)"});
  EXPECT_EQ(settings.capital, 700) << "read before the failure";
  EXPECT_EQ(settings.games_per_session, 0) << "the failed field keeps its value";
  EXPECT_EQ(settings.delay_ms, -7) << "not read after the failure";
}

TEST_F(SettingsChecks, ResetWritesTheDefaultsRightAlignedAndLeavesTheStoredFlags) {
  const std::pair<Control, const char*> expected[] = {{C::rtb_startkapital, "     500"},
                                                      {C::rtb_anzahl_durchlauf, "     500"},
                                                      {C::rtb_verzoegerung, "     0"},
                                                      {C::rtb_erster_einsatz, "   1"},
                                                      {C::rtb_soll_kapital, "     550"},
                                                      {C::rtb_min_kapital, "       0"},
                                                      {C::rtb_tischlimit, "  1000"},
                                                      {C::rtb_anzahl_gesamtdurchgaenge, "    10"},
                                                      {C::rtb_min_einsatz, "100000"},
                                                      {C::rtb_g11, "3063"},
                                                      {C::rtb_v1, "   2"},
                                                      {C::label_proz_max, " %"}};
  for (const auto& [control, text] : expected) EXPECT_EQ(Text(control), text) << ControlName(control);
  const std::pair<Control, bool> boxes[] = {{C::checkbox_bei_verlust_erster_einsatz, true},
                                            {C::checkbox_bei_tischlimit_neueinsatz, true},
                                            {C::checkbox_zahlen_des_letzten_durchganges, true},
                                            {C::checkbox_rot_oder_schwarz, false}};
  for (const auto& [box, checked] : boxes) {
    EXPECT_EQ(form.GetChecked(box), checked) << ControlName(box);
  }
  EXPECT_FALSE(simulation.settings().first_bet_after_loss) << "the stored flags are not touched";
  EXPECT_EQ(scripted.seeds, std::vector<uint32_t>{1000});
  EXPECT_TRUE(CheckSessionStart(form, settings) && CheckBalanceLimits(form, settings));
  EXPECT_EQ(settings.wager_limit, 100000);
}

}  // namespace
