// A platform function bound by name at its first call; the address found
// is kept and used for every later call.
#pragma once

#include <utility>

#include "library.h"
#include "runtime/run_time_error.h"

namespace collay {

template <typename Function>
class BoundFunction {
 public:
  BoundFunction(Library& library, const char* name) : library_(library), name_(name) {}

  template <typename... Arguments>
  decltype(auto) operator()(Arguments&&... arguments) {
    return address()(std::forward<Arguments>(arguments)...);
  }

 private:
  Function address() {
    if (address_ == nullptr) {
      Library::RawFunction found = library_.findFunction(name_);
      if (found == nullptr) throw RunTimeError(RunTimeErrorKind::UnboundFunction, name_);
      address_ = reinterpret_cast<Function>(found);
    }
    return address_;
  }

  Library& library_;
  const char* name_;
  Function address_ = nullptr;
};

}  // namespace collay
