// rowlay run as a separate process: its exact output through pipes, its
// pauses in a terminal, and its report when standard output fails.
#include <gtest/gtest.h>

#include "expected_listings.h"
#include "listing_on_screen.h"
#include "piped_run.h"
#include "process_run.h"
#include "programs_under_test.h"
#include "terminal_session.h"

namespace end_to_end {
namespace {

using expected::rowMajorBlock;
using std::chrono::milliseconds;

TEST(RowMajorListing, BlocksHaveTheirDocumentedLinesAndLengths) {
  EXPECT_EQ(rowMajorBlock(1).size(), 244u);
  EXPECT_EQ(rowMajorBlock(2).size(), 306u);
  EXPECT_EQ(rowMajorBlock(3).size(), 374u);
  EXPECT_TRUE(contains(rowMajorBlock(1), "\na1[23]: 23\n"));
  EXPECT_TRUE(contains(rowMajorBlock(2), "a2[0][11]: 11\na2[1][0]: 12\n"));
  EXPECT_TRUE(contains(rowMajorBlock(3), "a3[0][0][3]: 3\na3[0][1][0]: 4\n"));
  EXPECT_TRUE(contains(rowMajorBlock(3), "a3[0][2][3]: 11\na3[1][0][0]: 12\n"));
  EXPECT_TRUE(rowMajorBlock(3).ends_with("\na3[1][2][3]: 23\n"));
}

class RowlayThroughPipes : public testing::TestWithParam<PipedRun> {};

TEST_P(RowlayThroughPipes, PrintsTheThreeBlocksExactlyAndExitsZero) {
  ProcessOptions options;
  options.input = GetParam().input;
  ProcessResult result = runProcess(commandFor(Program::Rowlay, GetParam().arguments), options);
  ASSERT_TRUE(result.finishedInTime) << "rowlay did not finish; it printed:\n" << result.output;
  EXPECT_EQ(result.output, wholeListing(Program::Rowlay, textModeLineEnd(Program::Rowlay)));
  EXPECT_EQ(result.errors, "");
  EXPECT_EQ(result.exitStatus, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, RowlayThroughPipes,
    testing::Values(PipedRun{"EmptyInput", StandardInput::of(""), {}},
                    PipedRun{"OneLineAnswersAllPauses", StandardInput::of("xy\n"), {}},
                    PipedRun{"ClosedInput", StandardInput::closed(), {}},
                    PipedRun{"ArgumentsAreIgnored", StandardInput::of(""), {"-h", "a2", "--x=1"}}),
    pipedRunName);

TEST(RowlayOutputFailure, FullDiskIsReportedOnStandardErrorWithStatusOne) {
  ProcessOptions options;
  options.outputPath = "/dev/full";
  ProcessResult result = runProcess(commandFor(Program::Rowlay), options);
  ASSERT_TRUE(result.finishedInTime);
  EXPECT_EQ(result.exitStatus, 1);
  EXPECT_TRUE(result.errors.starts_with("rowlay: cannot write standard output: ")) << result.errors;
  EXPECT_EQ(result.errors.find('\n'), result.errors.size() - 1)
      << "expected one line: " << result.errors;
}

// In a terminal: one typed line serves the pauses that follow.
TEST(RowlayInTerminal, TwoCharactersAndEnterEndAllThreePauses) {
  TerminalSession terminal(commandFor(Program::Rowlay));
  ASSERT_NO_FATAL_FAILURE(expectWaitingAfter(terminal, Program::Rowlay, 1));
  terminal.type("xy");
  terminal.pressEnter();
  EXPECT_TRUE(terminal.waitUntilFinished(milliseconds(10000))) << terminal.screen();
  EXPECT_TRUE(showsBlock(terminal.screen(), Program::Rowlay, 3));
}

// Output through a pipe still shows each block before its pause.
TEST(RowlayInTerminal, BlockShowsBeforeThePauseWhenOutputIsAPipe) {
  std::vector<std::string> command = {"sh", "-c", "\"$@\" | cat", "sh"};
  for (const std::string& word : commandFor(Program::Rowlay)) command.push_back(word);
  TerminalSession terminal(command);
  ASSERT_NO_FATAL_FAILURE(expectWaitingAfter(terminal, Program::Rowlay, 1));
  terminal.pressEnter();
  ASSERT_NO_FATAL_FAILURE(expectWaitingAfter(terminal, Program::Rowlay, 2));
}

}  // namespace
}  // namespace end_to_end
