// Runs a program as a child process with chosen standard streams and
// collects what it wrote, its exit status and whether it finished in time.
#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <vector>

namespace end_to_end {

struct StandardInput {
  enum class Kind { Text, Closed };
  Kind kind = Kind::Text;
  std::string text;  // the whole of standard input; end of input follows it

  static StandardInput of(std::string text) { return {Kind::Text, std::move(text)}; }
  static StandardInput closed() { return {Kind::Closed, {}}; }
};

struct ProcessOptions {
  StandardInput input;
  // Standard output is captured unless it goes to this file instead.
  std::optional<std::string> outputPath;
  std::chrono::milliseconds timeLimit{20000};
};

struct ProcessResult {
  std::string output;
  std::string errors;
  bool finishedInTime = false;
  int exitStatus = -1;  // meaningful only when finishedInTime
};

ProcessResult runProcess(const std::vector<std::string>& command, const ProcessOptions& options);

}  // namespace end_to_end
