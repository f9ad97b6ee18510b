#include "batch/results/SolvedQuestion.h"

#include <iterator>

bool SolvedQuestion::Monotone() const {
  bool rises = true;
  bool falls = true;
  for (auto it = tried.begin(); it != tried.end() && std::next(it) != tried.end(); ++it) {
    const double step = std::next(it)->second - it->second;
    rises = rises && step >= -1e-12;
    falls = falls && step <= 1e-12;
  }
  return rises || falls;
}
