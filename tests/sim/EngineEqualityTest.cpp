// The engine against transcripts kept from the engine as it was before its
// speed work: what a person sees and keeps of each run must not change.
// After a change that is meant to change what users see, write the
// transcripts anew with VANTREL_WRITE_TRANSCRIPTS=1 and review the diff.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

#include "tests/sim/EngineTranscript.h"

namespace {

const std::string kPath = std::string(VANTREL_TEST_SOURCE_DIR) + "/sim/engine_transcripts.txt";

std::string AllTranscripts() {
  std::string all;
  for (const engine_transcript::Scenario& scenario : engine_transcript::Scenarios()) {
    all += engine_transcript::Transcript(scenario);
  }
  return all;
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

TEST(EngineEquality, EveryRunLooksAndEndsAsBefore) {
  const std::string now = AllTranscripts();
  if (std::getenv("VANTREL_WRITE_TRANSCRIPTS")) {
    std::ofstream(kPath, std::ios::binary) << now;
    GTEST_SKIP() << "transcripts written to " << kPath;
  }
  std::ifstream in(kPath, std::ios::binary);
  ASSERT_TRUE(in) << "missing " << kPath;
  std::ostringstream kept;
  kept << in.rdbuf();

  const std::vector<std::string> expected = Lines(kept.str());
  const std::vector<std::string> actual = Lines(now);
  std::string run;
  for (std::size_t i = 0; i < expected.size() && i < actual.size(); ++i) {
    if (expected[i].rfind("run ", 0) == 0) run = expected[i];
    ASSERT_EQ(actual[i], expected[i]) << "first difference at line " << i + 1 << " in " << run;
  }
  EXPECT_EQ(actual.size(), expected.size());
}

TEST(EngineEquality, TheTranscriptSeesADifferenceInOneGame) {
  // The comparison is only as good as what it looks at: one changed entry
  // of a progression must show.
  engine_transcript::Scenario scenario = engine_transcript::Scenarios().front();
  const std::string before = engine_transcript::Transcript(scenario);
  scenario.texts.emplace_back(Control::rtb_g11, "3064");
  scenario.texts.emplace_back(Control::rtb_g2, "6");
  EXPECT_NE(engine_transcript::Transcript(scenario), before);
}

}  // namespace
