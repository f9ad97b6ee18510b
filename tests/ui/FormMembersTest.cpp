// The main form's member table against the engine's controls, and texts
// that must reach the controls as Windows-1252 bytes.
#include "ui/FormMembers.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using FormMembers::Kind;
using FormMembers::kMembers;

TEST(FormMembers, EveryControlTheEngineUsesIsAMemberOfTheRightKind) {
  for (std::size_t i = 0; i < kControlCount; ++i) {
    const std::string name = ControlName(static_cast<Control>(i));
    const std::size_t index = FormMembers::IndexOf(static_cast<Control>(i));
    ASSERT_LT(index, FormMembers::kMemberCount) << name;
    const Kind expected = name.rfind("rtb_", 0) == 0     ? Kind::RichTextBox
                          : name.rfind("label_", 0) == 0 ? Kind::Label
                                                         : Kind::CheckBox;
    EXPECT_EQ(kMembers[index].kind, expected) << name;
    EXPECT_EQ(kMembers[index].name, name);
  }
  EXPECT_EQ(FormMembers::IndexOf("no_such_member"), FormMembers::kMemberCount);
}

TEST(FormMembers, TooltipsAreWindows1252Text) {
  for (const FormMembers::Member& member : kMembers) {
    // A UTF-8 umlaut would begin with 0xC3.
    const std::string tip = member.tooltip ? member.tooltip : "";
    EXPECT_EQ(tip.find('\xC3'), std::string::npos) << member.name;
  }
}

}  // namespace
