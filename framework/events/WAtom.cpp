#include "framework/events/WAtom.h"

#include <mutex>
#include <string>
#include <unordered_map>

namespace {

struct AtomTable {
  std::mutex lock;
  std::unordered_map<std::string, WAtom> atoms;
};

AtomTable& Table() {
  static AtomTable* const table = new AtomTable;  // outlives static objects
  return *table;
}

}  // namespace

WAtom RegisterClassAtom(const char* class_name) {
  AtomTable& table = Table();
  std::lock_guard<std::mutex> hold(table.lock);
  const auto found = table.atoms.find(class_name);
  if (found != table.atoms.end()) return found->second;
  const auto atom = static_cast<WAtom>(table.atoms.size() + 1);
  table.atoms.emplace(class_name, atom);
  return atom;
}
