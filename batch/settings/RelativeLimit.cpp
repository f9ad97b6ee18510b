#include "batch/settings/RelativeLimit.h"

#include <cmath>

#include "batch/core/Numbers.h"

std::string RelativeLimit::Text() const {
  return (amount < 0 ? "-" : "+") + ExactText(std::fabs(amount)) + (percent ? "%" : "");
}

std::optional<RelativeLimit> ReadRelativeLimit(const std::string& text) {
  if (text.empty() || (text[0] != '+' && text[0] != '-')) return std::nullopt;
  RelativeLimit limit;
  limit.percent = text.back() == '%';
  const std::string number = limit.percent ? text.substr(0, text.size() - 1) : text;
  if (!ReadNumber(number, limit.amount)) return std::nullopt;
  return limit;
}
