// A windowed program has no standard error a person would see: the reason
// goes into a message box, and to standard error as well for a program
// started with one (from a shell, its output redirected). The C run time
// writes that line, so no console function enters the import table.
#include <windows.h>

#include <cstdio>

#include "error_report.h"

namespace collay {

void reportFailure(const std::string& reason) {
  std::fprintf(stderr, "collay: %s\n", reason.c_str());
  std::fflush(stderr);
  MessageBoxA(nullptr, reason.c_str(), "collay", MB_OK | MB_ICONERROR);
}

}  // namespace collay
