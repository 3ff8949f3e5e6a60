// What the end-to-end cases look for in a program's output and on its
// screen: its listing, and a pause that keeps waiting after a block.
#pragma once

#include <string>

#include "programs_under_test.h"
#include "terminal_session.h"

namespace end_to_end {

// Block 1, 2 or 3 of the program's listing, "\n" line ends, no empty line.
std::string listingBlock(Program program, int block);

// The program's whole listing as it writes it: the three blocks, blocks a1
// and a2 each followed by an empty line, every line ending in `lineEnd`.
std::string wholeListing(Program program, const std::string& lineEnd);

// Whether the screen shows the last line of that block.
bool showsBlock(const std::string& screen, Program program, int block);

// Waits until `block` is on the screen, then checks that the program keeps
// waiting in its pause without showing the next block. Fails fatally if the
// block never shows; call it under ASSERT_NO_FATAL_FAILURE.
void expectWaitingAfter(TerminalSession& terminal, Program program, int block);

}  // namespace end_to_end
