#include "batch/results/CheckedJson.h"

#include <cmath>
#include <set>
#include <vector>

#include "batch/core/Money.h"

namespace {

// Builds the document as nlohmann's own reader does, refusing what a
// summary never holds before it is built.
class CheckedReader {
 public:
  CheckedReader(Json& json, std::size_t deepest) : dom_(json, false), deepest_(deepest) {}

  bool null() { return dom_.null(); }
  bool boolean(bool value) { return dom_.boolean(value); }
  bool number_integer(Json::number_integer_t value) { return dom_.number_integer(value); }
  bool number_unsigned(Json::number_unsigned_t value) { return dom_.number_unsigned(value); }
  bool number_float(Json::number_float_t value, const Json::string_t& text) { return dom_.number_float(value, text); }
  bool string(Json::string_t& value) { return dom_.string(value); }
  bool binary(Json::binary_t& value) { return dom_.binary(value); }
  bool start_object(std::size_t size) {
    keys_.emplace_back();
    return Enter() && dom_.start_object(size);
  }
  bool key(Json::string_t& key) {
    if (!keys_.back().insert(key).second) return Stop("the key \"" + key + "\" appears twice in one object");
    return dom_.key(key);
  }
  bool end_object() {
    keys_.pop_back();
    --depth_;
    return dom_.end_object();
  }
  bool start_array(std::size_t size) { return Enter() && dom_.start_array(size); }
  bool end_array() {
    --depth_;
    return dom_.end_array();
  }
  bool parse_error(std::size_t, const std::string&, const nlohmann::detail::exception&) {
    return Stop("it is no JSON (cut short?)");
  }

  const std::string& Wrong() const { return problem_; }

 private:
  bool Enter() {
    if (++depth_ > deepest_) return Stop("it nests deeper than a summary of vantrel-batch");
    return true;
  }
  bool Stop(const std::string& problem) {
    if (problem_.empty()) problem_ = problem;
    return false;
  }

  nlohmann::detail::json_sax_dom_parser<Json> dom_;
  std::size_t deepest_;
  std::size_t depth_ = 0;
  std::vector<std::set<std::string>> keys_;
  std::string problem_;
};

}  // namespace

MaybeProblem ParseCheckedJson(const std::string& bytes, std::size_t deepest, Json& json) {
  json = Json();
  CheckedReader reader(json, deepest);
  if (Json::sax_parse(bytes, &reader) && reader.Wrong().empty()) return std::nullopt;
  json = Json();
  return Problem{ProblemKind::Unreadable, reader.Wrong().empty() ? "it is no JSON (cut short?)" : reader.Wrong()};
}

void JsonField::Refuse(const std::string& what) const { throw BadField{path_, what}; }

JsonField JsonField::operator[](const char* key) const {
  if (!json_.is_object()) Refuse("is not an object");
  const auto found = json_.find(key);
  const std::string path = path_.empty() ? std::string(key) : path_ + "." + key;
  if (found == json_.end()) throw BadField{path, "is missing"};
  return JsonField(*found, path);
}

JsonField JsonField::At(std::size_t index) const {
  if (!json_.is_array()) Refuse("is not an array");
  if (index >= json_.size()) Refuse("has too few entries");
  return JsonField(json_[index], path_ + "[" + std::to_string(index) + "]");
}

std::size_t JsonField::Size() const {
  if (!json_.is_array()) Refuse("is not an array");
  return json_.size();
}

int64_t JsonField::Whole(int64_t low, int64_t high) const {
  const std::string range = low == high ? std::to_string(low) + ", as the rest of the file has it"
                                        : "a whole number from " + std::to_string(low) + " to " + std::to_string(high);
  if (!json_.is_number_integer()) Refuse("is not " + range);
  int64_t value = 0;
  if (json_.is_number_unsigned()) {
    const auto unsigned_value = json_.get<uint64_t>();
    if (unsigned_value > static_cast<uint64_t>(INT64_MAX)) Refuse("is not " + range);
    value = static_cast<int64_t>(unsigned_value);
  } else {
    value = json_.get<int64_t>();
  }
  if (value < low || value > high) Refuse("is not " + range);
  return value;
}

double JsonField::Number() const {
  if (!json_.is_number()) Refuse("is not a number");
  const double value = json_.get<double>();
  if (!std::isfinite(value)) Refuse("is not a finite number");
  return value;
}

int64_t JsonField::Money(int32_t quanta, int64_t low, int64_t high) const {
  const std::string range = "an amount from " + MoneyText(low, quanta) + " to " + MoneyText(high, quanta) +
                            (quanta == 1 ? " in whole units" : " in whole or half units");
  int64_t count = 0;
  if (json_.is_number_integer()) {
    if (__builtin_mul_overflow(Whole(INT64_MIN, INT64_MAX), quanta, &count)) Refuse("is not " + range);
  } else {
    // Halves are exact in a double up to 2^52.
    constexpr double kExactHalves = 4503599627370496.0;
    const double quanta_count = Number() * quanta;
    if (quanta == 1 || quanta_count != std::floor(quanta_count) || std::fabs(quanta_count) > kExactHalves) {
      Refuse("is not " + range);
    }
    count = static_cast<int64_t>(quanta_count);
    if (count % quanta == 0) Refuse("is a whole amount written as a fraction");
  }
  if (count < low || count > high) Refuse("is not " + range);
  return count;
}

double JsonField::NonNegative() const {
  const double value = Number();
  if (value < 0) Refuse("is negative");
  return value;
}

bool JsonField::Boolean() const {
  if (!json_.is_boolean()) Refuse("is not true or false");
  return json_.get<bool>();
}

std::string JsonField::Text() const {
  if (!json_.is_string()) Refuse("is not a text");
  return json_.get<std::string>();
}
