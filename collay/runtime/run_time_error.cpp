#include "run_time_error.h"

namespace collay {
namespace {

std::string messageFor(RunTimeErrorKind kind, const std::string& functionName) {
  switch (kind) {
    case RunTimeErrorKind::SubscriptOutOfRange:
      return "subscript out of range";
    case RunTimeErrorKind::Overflow:
      return "overflow";
    case RunTimeErrorKind::OutOfMemory:
      return "out of memory";
    case RunTimeErrorKind::UnboundFunction:
      return "function not found in Kernel32: " + functionName;
  }
  return "unknown error";
}

}  // namespace

RunTimeError::RunTimeError(RunTimeErrorKind kind, const std::string& functionName)
    : kind_(kind), message_(messageFor(kind, functionName)) {}

}  // namespace collay
