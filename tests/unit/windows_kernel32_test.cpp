// The real Kernel32 on Windows: each function found by name and called
// through its pointer with the platform's calling convention, and the ANSI
// code page conversion.
#include <gtest/gtest.h>
#include <io.h>

#include <cstdint>
#include <cstring>

#include "platform/ansi_code_page.h"
#include "platform/kernel32.h"

namespace collay {
namespace {

TEST(WindowsKernel32, FindsEachFunctionByNameAndNothingElse) {
  for (const char* name : {"AllocConsole", "GetStdHandle", "WriteConsoleA", "ReadConsoleA",
                           "FreeConsole", "RtlMoveMemory"}) {
    EXPECT_NE(platformKernel32().findFunction(name), nullptr) << name;
  }
  EXPECT_EQ(platformKernel32().findFunction("NoSuchFunction"), nullptr);
}

TEST(WindowsKernel32, BoundFunctionsAreCalledWithTheirCallingConvention) {
  Kernel32 kernel32(platformKernel32());
  // A wrong calling convention leaves the stack off by the arguments' size
  // on every call; many calls in one frame make that show.
  unsigned char source[24];
  for (int n = 0; n < 24; ++n) source[n] = static_cast<unsigned char>(n);
  for (int round = 0; round < 1000; ++round) {
    unsigned char target[24] = {};
    kernel32.RtlMoveMemory(target, source, sizeof target);
    ASSERT_EQ(std::memcmp(target, source, sizeof target), 0) << "round " << round;
  }
  void* output = kernel32.GetStdHandle(win::STD_OUTPUT_HANDLE);
  EXPECT_EQ(output, reinterpret_cast<void*>(_get_osfhandle(1)));
}

TEST(WindowsAnsiCodePage, ConvertsTheListingTextBothWays) {
  EXPECT_EQ(toAnsiCodePage(u"a2(11, 0): 11\r\n"), "a2(11, 0): 11\r\n");
  EXPECT_EQ(fromAnsiCodePage("\r"), u"\r");
  EXPECT_EQ(toAnsiCodePage(u""), "");
}

}  // namespace
}  // namespace collay
