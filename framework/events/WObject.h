#pragma once

#include "framework/events/WAtom.h"

// Declares a framework class's name atom and its part of the type test.
#define W_DECLARE_CLASS(Name, Base)                     \
 public:                                                \
  static WAtom ClassAtom() {                            \
    static const WAtom atom = RegisterClassAtom(#Name); \
    return atom;                                        \
  }                                                     \
  bool IsA(WAtom atom) const override { return atom == ClassAtom() || Base::IsA(atom); }

// Root of every framework class: a type test by class-name atom, and a
// virtual destructor, since objects are deleted through this base.
class WObject {
 public:
  WObject() = default;
  WObject(const WObject&) = default;
  WObject& operator=(const WObject&) = default;
  virtual ~WObject() = default;

  static WAtom ClassAtom() {
    static const WAtom atom = RegisterClassAtom("WObject");
    return atom;
  }
  virtual bool IsA(WAtom atom) const { return atom == ClassAtom(); }

  template <class T>
  bool Is() const {
    return IsA(T::ClassAtom());
  }
};
