// Counter and count arithmetic that raises the overflow error instead of
// wrapping: a result outside its type's range is a run-time error.
#pragma once

#include <cstdint>
#include <limits>

#include "run_time_error.h"

namespace collay {

inline std::int16_t checkedIncrement(std::int16_t counter) {
  if (counter == std::numeric_limits<std::int16_t>::max()) {
    throw RunTimeError(RunTimeErrorKind::Overflow);
  }
  return static_cast<std::int16_t>(counter + 1);
}

inline std::int32_t checkedAdd(std::int32_t left, std::int32_t right) {
  std::int32_t sum;
  if (__builtin_add_overflow(left, right, &sum)) throw RunTimeError(RunTimeErrorKind::Overflow);
  return sum;
}

inline std::int16_t checkedToInt16(std::int32_t value) {
  if (value < std::numeric_limits<std::int16_t>::min() ||
      value > std::numeric_limits<std::int16_t>::max()) {
    throw RunTimeError(RunTimeErrorKind::Overflow);
  }
  return static_cast<std::int16_t>(value);
}

inline std::uint8_t checkedToByte(std::int16_t value) {
  if (value < 0 || value > 255) throw RunTimeError(RunTimeErrorKind::Overflow);
  return static_cast<std::uint8_t>(value);
}

}  // namespace collay
