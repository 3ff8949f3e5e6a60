// What the terminal cases look for on a program's screen: its listing
// blocks, and a pause that keeps waiting after one of them.
#pragma once

#include <string>

#include "programs_under_test.h"
#include "terminal_session.h"

namespace end_to_end {

// Block 1, 2 or 3 of the program's listing, "\n" line ends, no empty line.
std::string listingBlock(Program program, int block);

// Whether the screen shows the last line of that block.
bool showsBlock(const std::string& screen, Program program, int block);

// Waits until `block` is on the screen, then checks that the program keeps
// waiting in its pause without showing the next block. Fails fatally if the
// block never shows; call it under ASSERT_NO_FATAL_FAILURE.
void expectWaitingAfter(TerminalSession& terminal, Program program, int block);

}  // namespace end_to_end
