// One case of a table of runs through pipes: its name in the test's name,
// what standard input holds, and the program's arguments.
#pragma once

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "process_run.h"

namespace end_to_end {

struct PipedRun {
  const char* name;
  StandardInput input;
  std::vector<std::string> arguments;
};

inline void PrintTo(const PipedRun& run, std::ostream* out) {
  *out << run.name;
}

// Names each instantiated case after its run.
inline std::string pipedRunName(const testing::TestParamInfo<PipedRun>& info) {
  return info.param.name;
}

}  // namespace end_to_end
