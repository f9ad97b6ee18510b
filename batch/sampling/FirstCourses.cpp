#include "batch/sampling/FirstCourses.h"

#include "batch/sampling/SampledRun.h"

std::vector<SessionCourse> FirstCourses(const SimSettings& settings, int64_t first, int64_t last, std::size_t count) {
  std::vector<SessionCourse> courses;
  for (int64_t seed = first; seed <= last && courses.size() < count; ++seed) {
    const RunOutcome run = PlayRun(settings, seed, 0, static_cast<int32_t>(count - courses.size()));
    for (std::size_t k = 0; k < run.courses.size() && courses.size() < count; ++k) {
      SessionCourse course;
      for (int32_t balance : run.courses[k]) course.balances.push_back(static_cast<double>(balance) / run.quanta);
      course.ending = RowOf(run.sessions[k].ending).counted;
      courses.push_back(std::move(course));
    }
  }
  return courses;
}
