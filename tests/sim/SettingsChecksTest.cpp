#include "sim/SettingsChecks.h"

#include "tests/sim/SimFixture.h"

namespace {

class SettingsChecks : public SimFixture {
 protected:
  bool SessionStart() { return CheckSessionStart(form, settings); }
  bool BalanceLimits() { return CheckBalanceLimits(form, settings); }
  std::string LastMessage() const { return form.Messages().empty() ? "" : form.Messages().back(); }

  SimSettings settings;
};

TEST_F(SettingsChecks, TheDefaultsPass) {
  EXPECT_TRUE(SessionStart());
  EXPECT_TRUE(BalanceLimits());
  EXPECT_TRUE(CheckSessionCount(form, settings));
  EXPECT_TRUE(form.Messages().empty());
  EXPECT_EQ(settings.table_limit, 1001);
  EXPECT_EQ(settings.wager_limit, 100000);
}

TEST_F(SettingsChecks, TableLimitRangeAppliesToTheStoredValue) {
  struct Case {
    const char* entry;
    bool passes;
    double stored;
  };
  for (const Case& c : {Case{"0", true, 1}, Case{"19999", true, 20000}, Case{"20000", false, 20001},
                        Case{"-1", false, 0}, Case{"", true, 1}, Case{"abc", true, 1}}) {
    Set(Control::rtb_tischlimit, c.entry);
    EXPECT_EQ(SessionStart(), c.passes) << c.entry;
    EXPECT_EQ(settings.table_limit, c.stored) << c.entry;
    if (!c.passes) {
      EXPECT_EQ(LastMessage(), "table limit: (1 - 20000)");
    }
  }
}

TEST_F(SettingsChecks, EachFieldFailsWithItsOwnMessage) {
  struct Case {
    Control control;
    const char* entry;
    const char* message;
  };
  const Case cases[] = {
      {Control::rtb_startkapital, "0.5", "balance: (1 - 1000000)"},
      {Control::rtb_anzahl_durchlauf, "10001", "games per session (1 - 10000)"},
      {Control::rtb_verzoegerung, "5001", "delay: (0 - 5000)"},
      {Control::rtb_erster_einsatz, "1000.5", "first bet: (1 - 1000)"},
      {Control::rtb_min_einsatz, "0", "minimum bet: (1 - 9999999)"},
  };
  for (const Case& c : cases) {
    const WString kept = form.GetText(c.control);
    Set(c.control, c.entry);
    EXPECT_FALSE(SessionStart()) << ControlName(c.control);
    EXPECT_EQ(LastMessage(), c.message);
    Set(c.control, kept.GetText());
  }
  EXPECT_EQ(form.Messages().size(), 5u) << "one box per failure";
}

TEST_F(SettingsChecks, TheFirstFailureStopsTheReading) {
  Set(Control::rtb_anzahl_durchlauf, "0");
  Set(Control::rtb_verzoegerung, "99999");
  Set(Control::rtb_startkapital, "700");
  settings.delay_ms = -7;
  EXPECT_FALSE(SessionStart());
  EXPECT_EQ(form.Messages(), std::vector<std::string>{"games per session (1 - 10000)"});
  EXPECT_EQ(settings.capital, 700) << "read before the failure";
  EXPECT_EQ(settings.games_per_session, 0) << "the failed field keeps its value";
  EXPECT_EQ(settings.delay_ms, -7) << "not read after the failure";
}

TEST_F(SettingsChecks, FirstBetMayEqualButNotExceedTheCapital) {
  Set(Control::rtb_startkapital, "5");
  Set(Control::rtb_erster_einsatz, "5");
  EXPECT_TRUE(SessionStart());
  Set(Control::rtb_erster_einsatz, "6");
  EXPECT_FALSE(SessionStart());
  EXPECT_EQ(LastMessage(), "first bet: (1 - 1000)");
}

TEST_F(SettingsChecks, CapitalBoundsAreInclusive) {
  Set(Control::rtb_startkapital, "1000000");
  Set(Control::rtb_soll_kapital, "1000000");
  EXPECT_TRUE(SessionStart());
  EXPECT_TRUE(BalanceLimits());
  Set(Control::rtb_startkapital, "1000000.01");
  EXPECT_FALSE(SessionStart());
}

TEST_F(SettingsChecks, BalanceLimitsCompareWithTheCapitalAndEachOther) {
  ASSERT_TRUE(SessionStart());
  Set(Control::rtb_soll_kapital, "500");
  EXPECT_TRUE(BalanceLimits()) << "max balance equal to the capital";
  Set(Control::rtb_soll_kapital, "499");
  EXPECT_FALSE(BalanceLimits());
  EXPECT_EQ(LastMessage(), "max amount: (1 - 1000000)");

  Set(Control::rtb_soll_kapital, "600");
  Set(Control::rtb_min_kapital, "600");
  EXPECT_TRUE(BalanceLimits()) << "min balance equal to max balance";
  Set(Control::rtb_min_kapital, "600.5");
  EXPECT_FALSE(BalanceLimits());
  EXPECT_EQ(LastMessage(), "min amount (0 - 1000000)");
}

TEST_F(SettingsChecks, SessionCountAcceptsDecimalsButNotAnEmptyField) {
  Set(Control::rtb_anzahl_gesamtdurchgaenge, "2.5");
  EXPECT_TRUE(CheckSessionCount(form, settings));
  EXPECT_EQ(settings.session_count, 2.5);
  Set(Control::rtb_anzahl_gesamtdurchgaenge, "");
  EXPECT_FALSE(CheckSessionCount(form, settings));
  EXPECT_EQ(LastMessage(), "number of sessions: (1 - 500000)");
}

TEST_F(SettingsChecks, ResetWritesTheDefaultsRightAligned) {
  const std::pair<Control, const char*> expected[] = {
      {Control::rtb_startkapital, "     500"},
      {Control::rtb_anzahl_durchlauf, "     500"},
      {Control::rtb_verzoegerung, "     0"},
      {Control::rtb_erster_einsatz, "   1"},
      {Control::rtb_soll_kapital, "     550"},
      {Control::rtb_min_kapital, "       0"},
      {Control::rtb_tischlimit, "  1000"},
      {Control::rtb_anzahl_gesamtdurchgaenge, "    10"},
      {Control::rtb_min_einsatz, "100000"},
      {Control::rtb_g11, "3063"},
      {Control::rtb_v1, "   2"},
      {Control::label_proz_max, " %"},
  };
  for (const auto& [control, text] : expected) EXPECT_EQ(Text(control), text) << ControlName(control);
  EXPECT_TRUE(form.GetChecked(Control::checkbox_bei_verlust_erster_einsatz));
  EXPECT_TRUE(form.GetChecked(Control::checkbox_bei_tischlimit_neueinsatz));
  EXPECT_TRUE(form.GetChecked(Control::checkbox_zahlen_des_letzten_durchganges));
  EXPECT_FALSE(form.GetChecked(Control::checkbox_rot_oder_schwarz));
  EXPECT_FALSE(simulation.settings().first_bet_after_loss) << "the stored flags are not touched";
  EXPECT_EQ(scripted.seeds, std::vector<uint32_t>{1000});
}

}  // namespace
