// A library whose functions are found by name at run time. The program
// binds every console and memory function this way; tests stand a fake
// library in for the real one.
#pragma once

#include <string>

namespace collay {

class Library {
 public:
  // The generic function-pointer type that addresses are handed out as.
  using RawFunction = void (*)();

  virtual ~Library() = default;
  // Null when the library has no function of that name.
  virtual RawFunction findFunction(const char* name) = 0;
  // Why the most recent failed call into the library failed, in words.
  virtual std::string describeLastError() = 0;
};

// A function's address in the form findFunction hands it out.
template <typename Function>
Library::RawFunction asRawFunction(Function function) {
  return reinterpret_cast<Library::RawFunction>(function);
}

// "Kernel32" of the platform the program runs on: the real one on Windows,
// our stand-in console elsewhere.
Library& platformKernel32();

}  // namespace collay
