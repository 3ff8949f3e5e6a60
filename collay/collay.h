// The start-up procedure of collay, and with it the whole run: the 24 bytes
// listed through column-major arrays of one, two and three dimensions, in a
// console of the program's own, pausing after each listing.
#pragma once

#include "console_io.h"
#include "platform/kernel32.h"

namespace collay {

void startUp(Kernel32& kernel32, ConsoleIo& console);

}  // namespace collay
