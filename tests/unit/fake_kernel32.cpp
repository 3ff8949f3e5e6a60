#include "fake_kernel32.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>

#include "platform/kernel32.h"

namespace collay::testing {
namespace {

using win::Bool;
using win::Dword;
using win::Handle;

FakeKernel32* active = nullptr;

// Stand-ins for the two standard handles, told apart in the records.
Handle const outputHandle = reinterpret_cast<Handle>(0x1100);
Handle const inputHandle = reinterpret_cast<Handle>(0x1000);

std::string nameOf(Handle handle) {
  if (handle == outputHandle) return "output";
  if (handle == inputHandle) return "input";
  return "unknown handle";
}

Bool KERNEL32_CALL fakeAllocConsole() {
  active->calls.push_back("AllocConsole()");
  return 1;
}

Bool KERNEL32_CALL fakeFreeConsole() {
  active->calls.push_back("FreeConsole()");
  return 1;
}

Handle KERNEL32_CALL fakeGetStdHandle(Dword which) {
  active->calls.push_back("GetStdHandle(" + std::to_string(static_cast<std::int32_t>(which)) + ")");
  if (which == win::STD_OUTPUT_HANDLE) return outputHandle;
  if (which == win::STD_INPUT_HANDLE) return inputHandle;
  return nullptr;
}

// The count each call finds on entry shows whether it was reset to 0.
Bool KERNEL32_CALL fakeWriteConsoleA(Handle console, const void* characters, Dword count,
                                     Dword* written, void* reserved) {
  active->calls.push_back("WriteConsoleA(" + nameOf(console) + ", " + std::to_string(count) +
                          ", count " + std::to_string(*written) +
                          (reserved == nullptr ? ", null)" : ", reserved)"));
  active->written.emplace_back(static_cast<const char*>(characters), count);
  if (active->writesFail) return 0;
  *written = count;
  return 1;
}

Bool KERNEL32_CALL fakeReadConsoleA(Handle console, void* characters, Dword count, Dword* read,
                                    void* control) {
  active->calls.push_back("ReadConsoleA(" + nameOf(console) + ", " + std::to_string(count) +
                          ", count " + std::to_string(*read) +
                          (control == nullptr ? ", null)" : ", control)"));
  if (active->input.empty()) return active->readsFail ? 0 : 1;
  *static_cast<char*>(characters) = active->input.front();
  active->input.erase(0, 1);
  *read = 1;
  return 1;
}

void KERNEL32_CALL fakeRtlMoveMemory(void* destination, const void* source, std::size_t length) {
  active->calls.push_back("RtlMoveMemory(" + std::to_string(length) + ")");
  std::memmove(destination, source, length);
}

}  // namespace

FakeKernel32::FakeKernel32() {
  if (active != nullptr) throw std::logic_error("one fake Kernel32 at a time");
  active = this;
}

FakeKernel32::~FakeKernel32() {
  active = nullptr;
}

Library::RawFunction FakeKernel32::findFunction(const char* name) {
  std::string wanted(name);
  ++lookups[wanted];
  if (std::find(missing.begin(), missing.end(), wanted) != missing.end()) return nullptr;
  if (wanted == "AllocConsole") return asRawFunction(&fakeAllocConsole);
  if (wanted == "FreeConsole") return asRawFunction(&fakeFreeConsole);
  if (wanted == "GetStdHandle") return asRawFunction(&fakeGetStdHandle);
  if (wanted == "WriteConsoleA") return asRawFunction(&fakeWriteConsoleA);
  if (wanted == "ReadConsoleA") return asRawFunction(&fakeReadConsoleA);
  if (wanted == "RtlMoveMemory") return asRawFunction(&fakeRtlMoveMemory);
  return nullptr;
}

}  // namespace collay::testing
