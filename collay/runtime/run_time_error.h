// The run-time errors of collay's own code. Nothing in the listing handles
// them: they travel to the program entry, which reports them and ends the
// run with a failure status.
#pragma once

#include <exception>
#include <string>

namespace collay {

enum class RunTimeErrorKind {
  SubscriptOutOfRange,
  Overflow,
  OutOfMemory,
  UnboundFunction,  // a platform function could not be found by name
};

class RunTimeError : public std::exception {
 public:
  explicit RunTimeError(RunTimeErrorKind kind, const std::string& functionName = {});

  RunTimeErrorKind kind() const { return kind_; }
  const char* what() const noexcept override { return message_.c_str(); }

 private:
  RunTimeErrorKind kind_;
  std::string message_;
};

}  // namespace collay
