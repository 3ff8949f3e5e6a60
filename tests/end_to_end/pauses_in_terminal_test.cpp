// Both programs in a terminal of their own, as a person uses them: each
// pause waits for Enter, and the screen ends up showing the whole listing.
#include <gtest/gtest.h>

#include "listing_on_screen.h"

namespace end_to_end {
namespace {

using std::chrono::milliseconds;

class PausesInTerminal : public testing::TestWithParam<Program> {};

TEST_P(PausesInTerminal, EachPauseWaitsForEnter) {
  TerminalSession terminal(commandFor(GetParam()));
  for (int block = 1; block <= 3; ++block) {
    ASSERT_NO_FATAL_FAILURE(expectWaitingAfter(terminal, GetParam(), block));
    terminal.pressEnter();
  }
  EXPECT_TRUE(terminal.waitUntilFinished(milliseconds(15000))) << terminal.screen();
}

TEST_P(PausesInTerminal, ScreenShowsTheWholeListingLineForLine) {
  TerminalSession terminal(commandFor(GetParam()));
  for (int block = 1; block <= 3; ++block) {
    ASSERT_NO_FATAL_FAILURE(expectWaitingAfter(terminal, GetParam(), block));
    terminal.pressEnter();
  }
  ASSERT_TRUE(terminal.waitUntilFinished(milliseconds(15000)));
  EXPECT_EQ(nonEmptyLines(terminal.screen()), nonEmptyLines(wholeListing(GetParam(), "\n")));
}

INSTANTIATE_TEST_SUITE_P(Programs, PausesInTerminal,
                         testing::Values(Program::Rowlay, Program::Collay),
                         [](const auto& program) {
                           return std::string(program.param == Program::Rowlay ? "Rowlay"
                                                                               : "Collay");
                         });

}  // namespace
}  // namespace end_to_end
