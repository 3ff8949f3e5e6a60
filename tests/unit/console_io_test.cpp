// ConsoleIo against a fake Kernel32: each call and its arguments, the pause
// that ends only on a carriage return, and binding each function once.
#include "console_io.h"

#include <gtest/gtest.h>

#include "fake_kernel32.h"

namespace collay {
namespace {

using Calls = std::vector<std::string>;

class ConsoleIoTest : public ::testing::Test {
 protected:
  testing::FakeKernel32 fake;
  Kernel32 kernel32{fake};
  ConsoleIo console{kernel32};

  int readsMade() const {
    int reads = 0;
    for (const std::string& call : fake.calls) reads += call.starts_with("ReadConsoleA");
    return reads;
  }
};

TEST_F(ConsoleIoTest, OpenAndCloseMakeAndGiveUpTheConsole) {
  console.open();
  console.close();
  EXPECT_EQ(fake.calls, (Calls{"AllocConsole()", "FreeConsole()"}));
}

TEST_F(ConsoleIoTest, WriteFetchesTheOutputHandleAndWritesTheWholeTextInOneCall) {
  console.writeText(Bstr(u"a1(0): 0\r\n"));
  console.writeText(Bstr(u"\r\n"));
  EXPECT_EQ(fake.calls, (Calls{"GetStdHandle(-11)", "WriteConsoleA(output, 10, count 0, null)",
                               "GetStdHandle(-11)", "WriteConsoleA(output, 2, count 0, null)"}));
  EXPECT_EQ(fake.written, (Calls{"a1(0): 0\r\n", "\r\n"}));
  EXPECT_FALSE(console.writeFailure());
}

TEST_F(ConsoleIoTest, EnterAloneEndsThePauseWithOneRead) {
  fake.input = "\r\n";
  console.waitForCarriageReturn();
  EXPECT_EQ(fake.calls, (Calls{"GetStdHandle(-10)", "ReadConsoleA(input, 1, count 0, null)"}));
  EXPECT_EQ(fake.input, "\n");
}

TEST_F(ConsoleIoTest, ThreeCharactersAndEnterTakeFourReadsAndLeaveTheLineFeed) {
  fake.input = "abc\r\n";
  console.waitForCarriageReturn();
  EXPECT_EQ(readsMade(), 4);
  EXPECT_EQ(fake.input, "\n");

  // The next pause reads that line feed first and keeps waiting.
  fake.input += "x\r\n";
  fake.calls.clear();
  console.waitForCarriageReturn();
  EXPECT_EQ(readsMade(), 3);
  EXPECT_EQ(fake.input, "\n");
  Calls pass = {"GetStdHandle(-10)", "ReadConsoleA(input, 1, count 0, null)"};
  EXPECT_EQ(fake.calls, (Calls{pass[0], pass[1], pass[0], pass[1], pass[0], pass[1]}))
      << "every pass fetches the input handle anew and resets the count";
}

TEST_F(ConsoleIoTest, ReadThatDeliversNothingOrFailsEndsThePause) {
  fake.input = "ab";  // the line never ends
  console.waitForCarriageReturn();
  EXPECT_EQ(readsMade(), 3);

  fake.readsFail = true;
  fake.calls.clear();
  console.waitForCarriageReturn();
  EXPECT_EQ(readsMade(), 1);
}

TEST_F(ConsoleIoTest, EachFunctionIsBoundByNameOnce) {
  console.open();
  for (int block = 0; block < 3; ++block) {
    fake.input = "\r\n";
    console.writeText(Bstr(u"x"));
    console.waitForCarriageReturn();
  }
  console.close();
  EXPECT_EQ(fake.lookups, (std::map<std::string, int>{{"AllocConsole", 1},
                                                      {"FreeConsole", 1},
                                                      {"GetStdHandle", 1},
                                                      {"ReadConsoleA", 1},
                                                      {"WriteConsoleA", 1}}));
}

TEST_F(ConsoleIoTest, FailedWriteIsRememberedAndLaterWritesStillGoOut) {
  fake.writesFail = true;
  console.writeText(Bstr(u"one"));
  fake.writesFail = false;
  console.writeText(Bstr(u"two"));
  EXPECT_EQ(fake.written, (Calls{"one", "two"}));
  ASSERT_TRUE(console.writeFailure());
  EXPECT_EQ(*console.writeFailure(), "the fake console refused");
}

TEST_F(ConsoleIoTest, FunctionMissingFromTheLibraryIsARunTimeErrorNamingIt) {
  fake.missing = {"ReadConsoleA"};
  try {
    console.waitForCarriageReturn();
    FAIL() << "the pause went on without ReadConsoleA";
  } catch (const RunTimeError& error) {
    EXPECT_EQ(error.kind(), RunTimeErrorKind::UnboundFunction);
    EXPECT_STREQ(error.what(), "function not found in Kernel32: ReadConsoleA");
  }
}

}  // namespace
}  // namespace collay
