// The main form's member table: the template's items in order, the other
// objects at their places, and texts that reach the controls as
// Windows-1252 bytes.
#include "ui/FormMembers.h"

#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <string>

namespace {

using FormMembers::Kind;
using FormMembers::kMembers;

TEST(FormMembers, HoldThe92ControlsInAscendingIdOrderAndTheOtherObjectsBetween) {
  std::size_t controls = 0;
  int32_t previous = 0;
  std::set<std::string> names;
  std::string others;
  for (const FormMembers::Member& member : kMembers) {
    EXPECT_TRUE(names.insert(member.name).second) << "one name each: " << member.name;
    if (!FormMembers::IsControl(member.kind)) {
      others += std::string(member.name) + " after " + std::to_string(previous) + "; ";
      continue;
    }
    ++controls;
    EXPECT_GT(member.id, previous) << member.name;
    previous = member.id;
    EXPECT_TRUE(member.id >= 102 && member.id <= 197);
  }
  EXPECT_EQ(controls, FormMembers::kControlCount);
  EXPECT_EQ(others, "session_timer after 159; poll_timer after 161; filedialog_1 after 192; ");
  for (int32_t unused : {146, 160, 162, 193}) {
    for (const FormMembers::Member& member : kMembers) EXPECT_NE(member.id, unused);
  }
}

TEST(FormMembers, EveryControlTheEngineUsesIsAMemberOfTheRightKind) {
  for (std::size_t i = 0; i < kControlCount; ++i) {
    const auto control = static_cast<Control>(i);
    const std::size_t index = FormMembers::IndexOf(control);
    ASSERT_LT(index, FormMembers::kMemberCount) << ControlName(control);
    const std::string name = ControlName(control);
    const Kind kind = kMembers[index].kind;
    const Kind expected = name.rfind("rtb_", 0) == 0     ? Kind::RichTextBox
                          : name.rfind("label_", 0) == 0 ? Kind::Label
                                                         : Kind::CheckBox;
    EXPECT_EQ(kind, expected) << name;
  }
  EXPECT_EQ(FormMembers::IndexOf("no_such_member"), FormMembers::kMemberCount);
}

TEST(FormMembers, TooltipsAreWindows1252Text) {
  int tips = 0;
  for (const FormMembers::Member& member : kMembers) {
    if (!member.tooltip) continue;
    ++tips;
    for (const char* c = member.tooltip; *c; ++c) {
      // A UTF-8 umlaut would begin with 0xC3.
      EXPECT_NE(static_cast<unsigned char>(*c), 0xC3) << member.name;
    }
  }
  EXPECT_EQ(tips, 30);
  const std::size_t label = FormMembers::IndexOf("label_startkapital");
  EXPECT_STREQ(kMembers[label].tooltip,
               "Ihr Anfangskapital f\xfc"
               "r den folgenden Durchgang.");
  const std::size_t stop = FormMembers::IndexOf("stop");
  EXPECT_STREQ(kMembers[stop].tooltip,
               "Abbruch nach dem n\xe4"
               "chsten Durchgang");
  EXPECT_EQ(kMembers[FormMembers::IndexOf("rtb_startkapital")].tooltip, nullptr);
}

}  // namespace
