// A fake "Kernel32" for the console and listing tests: it records every
// call with its arguments and hands out scripted input, one character per
// read, as the console does in line-input mode.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "platform/library.h"

namespace collay::testing {

class FakeKernel32 : public Library {
 public:
  FakeKernel32();
  ~FakeKernel32() override;

  RawFunction findFunction(const char* name) override;
  std::string describeLastError() override { return "the fake console refused"; }

  // Every call in order, as "Name(arguments)".
  std::vector<std::string> calls;
  // The bytes of every write, one entry per call.
  std::vector<std::string> written;
  // How often each function was looked up by name.
  std::map<std::string, int> lookups;

  // Characters the reads hand out, one per call; once they run out a read
  // delivers nothing (or fails, if readsFail).
  std::string input;
  bool readsFail = false;
  bool writesFail = false;
  // Function names the fake does not have.
  std::vector<std::string> missing;
};

}  // namespace collay::testing
