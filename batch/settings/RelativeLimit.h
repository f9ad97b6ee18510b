#pragma once

#include <optional>
#include <string>

// A balance limit given relative to the capital: an amount above or below
// it ("+50", "-300") or a share of it ("+10%", "-60%"). Kept as given, it
// follows the capital wherever the capital is set after (a sweep, a solved
// value), so "play for +50" stays +50 whatever the capital.
struct RelativeLimit {
  double amount = 0;  // signed; in percent where `percent`
  bool percent = false;

  // The limit with this capital.
  double With(double capital) const { return percent ? capital * (1 + amount / 100) : capital + amount; }
  // As given: "+50", "-60%".
  std::string Text() const;
  bool operator==(const RelativeLimit& other) const { return amount == other.amount && percent == other.percent; }
};

// A limit's text read as relative (a sign first), or nothing where it is a
// plain number or not one at all.
std::optional<RelativeLimit> ReadRelativeLimit(const std::string& text);
