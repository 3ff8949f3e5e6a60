// The whole start-up procedure over a fake Kernel32: the calls of the run
// in order, and the three listing texts exactly.
#include <gtest/gtest.h>

#include "collay.h"
#include "expected_listings.h"
#include "fake_kernel32.h"

namespace collay {
namespace {

using Calls = std::vector<std::string>;

std::string columnMajorText(int block) {
  return expected::withLineEnds(expected::columnMajorBlock(block), "\r\n");
}

class CollayListing : public ::testing::Test {
 protected:
  testing::FakeKernel32 fake;
  Kernel32 kernel32{fake};
  ConsoleIo console{kernel32};
};

TEST_F(CollayListing, WritesTheThreeColumnMajorBlocks) {
  fake.input = "\r\n\r\n\r\n";
  startUp(kernel32, console);
  ASSERT_EQ(fake.written.size(), 3u);
  EXPECT_EQ(fake.written[0], columnMajorText(1) + "\r\n");
  EXPECT_EQ(fake.written[1], columnMajorText(2) + "\r\n");
  EXPECT_EQ(fake.written[2], columnMajorText(3));
  EXPECT_EQ(fake.written[0].size(), 270u);
  EXPECT_EQ(fake.written[1].size(), 332u);
  EXPECT_EQ(fake.written[2].size(), 398u);
  EXPECT_NE(fake.written[1].find("a2(11, 0): 11\r\na2(0, 1): 12\r\n"), std::string::npos);
  EXPECT_NE(fake.written[2].find("a3(3, 0, 0): 3\r\na3(0, 1, 0): 4\r\n"), std::string::npos);
  EXPECT_TRUE(fake.written[2].ends_with("a3(2, 2, 1): 22\r\na3(3, 2, 1): 23\r\n"));
}

TEST_F(CollayListing, CallsTheConsoleInTheOrderOfTheRun) {
  // Each line end leaves its line feed to the next pause, which reads it
  // before the carriage return that ends it.
  fake.input = "\r\n\r\n\r\n";
  startUp(kernel32, console);
  Calls read = {"GetStdHandle(-10)", "ReadConsoleA(input, 1, count 0, null)"};
  Calls expected = {"AllocConsole()",
                    "RtlMoveMemory(24)",
                    "GetStdHandle(-11)",
                    "WriteConsoleA(output, 270, count 0, null)",
                    read[0],
                    read[1],
                    "RtlMoveMemory(24)",
                    "GetStdHandle(-11)",
                    "WriteConsoleA(output, 332, count 0, null)",
                    read[0],
                    read[1],
                    read[0],
                    read[1],
                    "RtlMoveMemory(24)",
                    "GetStdHandle(-11)",
                    "WriteConsoleA(output, 398, count 0, null)",
                    read[0],
                    read[1],
                    read[0],
                    read[1],
                    "FreeConsole()"};
  EXPECT_EQ(fake.calls, expected);
  for (const auto& [name, lookups] : fake.lookups) EXPECT_EQ(lookups, 1) << name;
  EXPECT_EQ(fake.lookups.size(), 6u);
}

TEST_F(CollayListing, EndedInputStillShowsEveryBlockAndClosesTheConsole) {
  startUp(kernel32, console);
  EXPECT_EQ(fake.written.size(), 3u);
  EXPECT_EQ(fake.calls.back(), "FreeConsole()");
}

}  // namespace
}  // namespace collay
