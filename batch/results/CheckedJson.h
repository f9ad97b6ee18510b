#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "batch/core/Problem.h"
#include "batch/results/SummaryJson.h"

// JSON read from a file that may have been edited by hand, or made to
// harm: parsed without duplicate keys and no deeper than `deepest` levels
// of objects and arrays; or what is wrong.
MaybeProblem ParseCheckedJson(const std::string& bytes, std::size_t deepest, Json& json);

// The checked reading of one field of such JSON. A field that is missing,
// of the wrong type or out of its range throws BadField, which names it by
// its path ("cells[3].counts.tally.sessions").
struct BadField {
  std::string field;
  std::string what;
};

class JsonField {
 public:
  JsonField(const Json& json, std::string path) : json_(json), path_(std::move(path)) {}

  const Json& Value() const { return json_; }
  const std::string& Path() const { return path_; }
  bool Has(const char* key) const { return json_.is_object() && json_.contains(key); }

  // A member of an object, an entry of an array of the size expected.
  JsonField operator[](const char* key) const;
  JsonField At(std::size_t index) const;
  std::size_t Size() const;  // of an array

  int64_t Whole(int64_t low, int64_t high) const;
  double Number() const;  // any finite number
  // An amount of money counted in quanta (1 or 2 to a unit), written as
  // its units: a whole number, or one with .5 where a unit has two quanta.
  int64_t Money(int32_t quanta, int64_t low, int64_t high) const;
  double NonNegative() const;
  bool Boolean() const;
  std::string Text() const;

  [[noreturn]] void Refuse(const std::string& what) const;

 private:
  const Json& json_;
  std::string path_;
};
