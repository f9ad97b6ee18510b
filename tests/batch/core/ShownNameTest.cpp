// Names as the outputs show them: valid UTF-8 kept, every other byte taken
// as Latin-1, control characters escaped; never a byte sequence that a page,
// a picture or the JSON library would refuse.
#include "batch/core/ShownName.h"

#include <gtest/gtest.h>

#include <ostream>

#include <string>

namespace {

struct NameCase {
  const char* name;
  std::string bytes;
  std::string shown;
};

// CTest lists a case by its name.
void PrintTo(const NameCase& c, std::ostream* out) { *out << c.name; }

const NameCase kNames[] = {
    {"PlainAscii", "runs/a b.dat", "runs/a b.dat"},
    {"ValidTwoThreeAndFourByteSequences", "caf\xc3\xa9 \xe2\x82\xac \xf0\x9f\x8e\xb2",
     "caf\xc3\xa9 \xe2\x82\xac \xf0\x9f\x8e\xb2"},
    {"ALatin1Byte", "caf\xe9.dat", "caf\xc3\xa9.dat"},
    {"ASequenceCutShort", "a\xe2\x82", "a\xc3\xa2\xc2\x82"},
    {"AnOverlongSlash", "\xc0\xaf", "\xc3\x80\xc2\xaf"},
    {"ASurrogate", "\xed\xa0\x80", "\xc3\xad\xc2\xa0\xc2\x80"},
    {"BeyondTheLastCodePoint", "\xf4\x90\x80\x80", "\xc3\xb4\xc2\x90\xc2\x80\xc2\x80"},
    {"ControlCharacters", std::string("a\nb\x01\x7f", 5), "a\\x0ab\\x01\\x7f"},
};

class ShownNames : public ::testing::TestWithParam<NameCase> {};

TEST_P(ShownNames, AreValidUtf8OnOneLine) { EXPECT_EQ(ShownName(GetParam().bytes), GetParam().shown); }

INSTANTIATE_TEST_SUITE_P(Names, ShownNames, ::testing::ValuesIn(kNames),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
