// collay run as a separate process: its exact console output through
// pipes, pauses that end only on Enter in a terminal, inputs that end
// early, and its report when the console cannot be written.
#include <gtest/gtest.h>

#include "expected_listings.h"
#include "listing_on_screen.h"
#include "piped_run.h"
#include "process_run.h"
#include "programs_under_test.h"
#include "terminal_session.h"

namespace end_to_end {
namespace {

using expected::columnMajorBlock;
using expected::withLineEnds;
using std::chrono::milliseconds;

TEST(ColumnMajorListing, BlocksHaveTheirDocumentedLinesAndLengths) {
  EXPECT_EQ(withLineEnds(columnMajorBlock(1) + "\n", "\r\n").size(), 270u);
  EXPECT_EQ(withLineEnds(columnMajorBlock(2) + "\n", "\r\n").size(), 332u);
  EXPECT_EQ(withLineEnds(columnMajorBlock(3), "\r\n").size(), 398u);
  EXPECT_TRUE(columnMajorBlock(2).starts_with("a2(0, 0): 0\na2(1, 0): 1\n"));
  EXPECT_TRUE(contains(columnMajorBlock(2), "\na2(11, 0): 11\na2(0, 1): 12\n"));
  EXPECT_TRUE(contains(columnMajorBlock(3), "\na3(3, 0, 0): 3\na3(0, 1, 0): 4\n"));
  EXPECT_TRUE(contains(columnMajorBlock(3), "\na3(3, 2, 0): 11\na3(0, 0, 1): 12\n"));
  EXPECT_TRUE(columnMajorBlock(3).ends_with("\na3(3, 2, 1): 23\n"));
}

class CollayThroughPipes : public testing::TestWithParam<PipedRun> {};

TEST_P(CollayThroughPipes, PrintsTheThreeBlocksExactlyAndExitsZero) {
  ProcessOptions options;
  options.input = GetParam().input;
  ProcessResult result = runProcess(commandFor(Program::Collay, GetParam().arguments), options);
  ASSERT_TRUE(result.finishedInTime) << "collay did not finish; it printed:\n" << result.output;
  if (isWindowsImage(Program::Collay)) {
    GTEST_SKIP() << "collay.exe finished; its console shows only in a terminal under Wine, so "
                    "its output is checked by the terminal cases";
  }
  // collay writes its own carriage returns: "\r\n" on every build.
  EXPECT_EQ(result.output, wholeListing(Program::Collay, "\r\n"));
  EXPECT_EQ(result.errors, "");
  EXPECT_EQ(result.exitStatus, 0);
}

INSTANTIATE_TEST_SUITE_P(Inputs, CollayThroughPipes,
                         testing::Values(PipedRun{"ThreeLineEnds", StandardInput::of("\n\n\n"), {}},
                                         PipedRun{"EmptyInput", StandardInput::of(""), {}},
                                         PipedRun{"LineNeverEnded", StandardInput::of("ab"), {}},
                                         PipedRun{"ClosedInput", StandardInput::closed(), {}}),
                         pipedRunName);

TEST(CollayOutputFailure, FullDiskIsReportedAfterThePausesWithAFailureStatus) {
  if (isWindowsImage(Program::Collay)) {
    GTEST_SKIP() << "collay.exe writes to a console of its own, never to standard output";
  }
  ProcessOptions options;
  options.input = StandardInput::of("\n\n\n");
  options.outputPath = "/dev/full";
  ProcessResult result = runProcess(commandFor(Program::Collay), options);
  ASSERT_TRUE(result.finishedInTime);
  EXPECT_NE(result.exitStatus, 0);
  EXPECT_EQ(result.errors, "collay: cannot write to the console: No space left on device\n");
}

// In a terminal: only a carriage return ends a pause, and the line feed of
// a typed line is read first by the next pause.
TEST(CollayInTerminal, LineFeedLeftByTypedLineKeepsTheNextPauseWaiting) {
  TerminalSession terminal(commandFor(Program::Collay));
  ASSERT_NO_FATAL_FAILURE(expectWaitingAfter(terminal, Program::Collay, 1));
  terminal.type("abc");
  terminal.pressEnter();
  ASSERT_NO_FATAL_FAILURE(expectWaitingAfter(terminal, Program::Collay, 2));
  terminal.pressEnter();
  ASSERT_NO_FATAL_FAILURE(expectWaitingAfter(terminal, Program::Collay, 3));
}

}  // namespace
}  // namespace end_to_end
