#include <cstdio>

#include "error_report.h"

namespace collay {

void reportFailure(const std::string& reason) {
  std::fprintf(stderr, "collay: %s\n", reason.c_str());
}

}  // namespace collay
