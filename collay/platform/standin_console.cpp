// The stand-in Kernel32 of native builds: the six functions collay binds,
// with the Windows meanings it relies on, served from the process's own
// standard input and output. The console is whatever those streams are, a
// terminal or not.
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <string>
#include <string_view>

#include "kernel32.h"
#include "library.h"

namespace collay {
namespace {

using win::Bool;
using win::Dword;
using win::Handle;

constexpr Bool TRUE = 1;
constexpr Bool FALSE = 0;

// The errno of the last call that failed, for describeLastError.
int lastError = 0;

Bool fail(int error) {
  lastError = error;
  return FALSE;
}

// A console handle is the address of one of these.
struct StandardStream {
  explicit StandardStream(int descriptor) : fd(descriptor) {}
  int fd;
  // Input only: the line being handed out, and bytes read past it.
  std::string line;
  std::size_t nextInLine = 0;
  std::string readAhead;
  bool ended = false;
};

StandardStream standardInput(STDIN_FILENO);
StandardStream standardOutput(STDOUT_FILENO);

Bool AllocConsole() {
  return TRUE;
}

Bool FreeConsole() {
  return TRUE;
}

Handle GetStdHandle(Dword which) {
  if (which == win::STD_INPUT_HANDLE) return &standardInput;
  if (which == win::STD_OUTPUT_HANDLE) return &standardOutput;
  return reinterpret_cast<Handle>(static_cast<std::intptr_t>(-1));
}

// Everything in one write call, unless the system takes it in parts.
Bool WriteConsoleA(Handle console, const void* characters, Dword count, Dword* written, void*) {
  if (console != &standardOutput) return fail(EBADF);
  const char* next = static_cast<const char*>(characters);
  Dword left = count;
  while (left > 0) {
    ssize_t done = write(standardOutput.fd, next, left);
    if (done < 0 && errno == EINTR) continue;
    if (done < 0) return fail(errno);
    next += done;
    left -= static_cast<Dword>(done);
  }
  if (written != nullptr) *written = count;
  return TRUE;
}

// Line-input mode: wait for a whole line (or the end of input), then hand
// it out, the line end as carriage return and line feed.
bool receiveLine(StandardStream& input) {
  std::size_t lineFeed;
  while ((lineFeed = input.readAhead.find('\n')) == std::string::npos && !input.ended) {
    char chunk[256];
    ssize_t got = read(input.fd, chunk, sizeof chunk);
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) {
      lastError = errno;
      return false;
    }
    if (got == 0) input.ended = true;
    input.readAhead.append(chunk, static_cast<std::size_t>(got));
  }
  std::size_t taken = lineFeed == std::string::npos ? input.readAhead.size() : lineFeed + 1;
  input.line = input.readAhead.substr(0, taken);
  input.readAhead.erase(0, taken);
  input.nextInLine = 0;
  if (input.line.ends_with('\n') && !input.line.ends_with("\r\n")) {
    input.line.insert(input.line.size() - 1, 1, '\r');
  }
  return true;
}

Bool ReadConsoleA(Handle console, void* characters, Dword count, Dword* read, void*) {
  if (console != &standardInput) return fail(EBADF);
  StandardStream& input = standardInput;
  if (input.nextInLine == input.line.size() && !receiveLine(input)) return FALSE;
  std::size_t handed = std::min<std::size_t>(count, input.line.size() - input.nextInLine);
  std::memcpy(characters, input.line.data() + input.nextInLine, handed);
  input.nextInLine += handed;
  // At the end of input nothing is handed out, and the call still succeeds.
  if (read != nullptr) *read = static_cast<Dword>(handed);
  return TRUE;
}

void RtlMoveMemory(void* destination, const void* source, std::size_t length) {
  std::memmove(destination, source, length);
}

class StandInKernel32 : public Library {
 public:
  RawFunction findFunction(const char* name) override {
    std::string_view wanted(name);
    if (wanted == "AllocConsole") return asRawFunction(&AllocConsole);
    if (wanted == "FreeConsole") return asRawFunction(&FreeConsole);
    if (wanted == "GetStdHandle") return asRawFunction(&GetStdHandle);
    if (wanted == "WriteConsoleA") return asRawFunction(&WriteConsoleA);
    if (wanted == "ReadConsoleA") return asRawFunction(&ReadConsoleA);
    if (wanted == "RtlMoveMemory") return asRawFunction(&RtlMoveMemory);
    return nullptr;
  }

  std::string describeLastError() override { return std::strerror(lastError); }
};

}  // namespace

Library& platformKernel32() {
  static StandInKernel32 library;
  return library;
}

}  // namespace collay
