// The program entry: runs the start-up procedure, and is the one place
// where a run-time error is caught, reported and turned into a failure
// status.
#include <string>

#include "collay.h"
#include "console_io.h"
#include "platform/error_report.h"
#include "platform/kernel32.h"
#include "runtime/run_time_error.h"

int main() {
  collay::Kernel32 kernel32(collay::platformKernel32());
  collay::ConsoleIo console(kernel32);
  try {
    collay::startUp(kernel32, console);
  } catch (const collay::RunTimeError& error) {
    collay::reportFailure(std::string("run-time error: ") + error.what());
    return 1;
  }
  if (console.writeFailure()) {
    collay::reportFailure("cannot write to the console: " + *console.writeFailure());
    return 1;
  }
  return 0;
}
