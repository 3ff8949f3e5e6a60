#include "listing_on_screen.h"

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "expected_listings.h"

namespace end_to_end {

using std::chrono::milliseconds;

std::string listingBlock(Program program, int block) {
  return program == Program::Rowlay ? expected::rowMajorBlock(block)
                                    : expected::columnMajorBlock(block);
}

std::string wholeListing(Program program, const std::string& lineEnd) {
  return expected::withLineEnds(
      listingBlock(program, 1) + "\n" + listingBlock(program, 2) + "\n" + listingBlock(program, 3),
      lineEnd);
}

bool showsBlock(const std::string& screen, Program program, int block) {
  std::string lastLine = listingBlock(program, block);
  lastLine.pop_back();
  lastLine = lastLine.substr(lastLine.rfind('\n') + 1);
  return contains(screen, lastLine);
}

void expectWaitingAfter(TerminalSession& terminal, Program program, int block) {
  // The first start of a Wine prefix takes its time.
  ASSERT_TRUE(terminal.waitForScreen(
      [&](const std::string& screen) { return showsBlock(screen, program, block); },
      milliseconds(30000)))
      << "block " << block << " never showed:\n"
      << terminal.screen();
  std::this_thread::sleep_for(milliseconds(400));
  EXPECT_TRUE(terminal.running()) << "the pause after block " << block << " did not wait";
  if (block < 3) {
    EXPECT_FALSE(showsBlock(terminal.screen(), program, block + 1))
        << "block " << block + 1 << " showed before the pause ended";
  }
}

}  // namespace end_to_end
