// Tells the person running collay why the run failed, where they will see
// it: standard error on a native build.
#pragma once

#include <string>

namespace collay {

void reportFailure(const std::string& reason);

}  // namespace collay
