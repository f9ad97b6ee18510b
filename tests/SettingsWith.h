#pragma once

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

#include "batch/settings/RunSettings.h"

// The reset's settings with every "name=value" of the lists set, each one
// taken, as --set takes it.
inline RunSettings SettingsWith(std::initializer_list<std::vector<std::string>> lists) {
  RunSettings settings = ResetDefaults();
  for (const std::vector<std::string>& sets : lists) {
    for (const std::string& set : sets) EXPECT_FALSE(SetNamed(settings, set).has_value()) << set;
  }
  return settings;
}
