// ConsoleIo: the console collay makes for itself. It opens one, writes each
// listing to it in one call, pauses until a carriage return is read, and
// gives the console up at the end. Every call goes through the Kernel32
// functions bound by name.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "platform/kernel32.h"
#include "runtime/bstr.h"

namespace collay {

class ConsoleIo {
 public:
  explicit ConsoleIo(Kernel32& kernel32) : kernel32_(kernel32) {}

  void open();
  void writeText(const Bstr& text);
  void waitForCarriageReturn();
  void close();

  // Why the first write that failed did so; nothing if every write went out.
  const std::optional<std::string>& writeFailure() const { return writeFailure_; }

 private:
  Kernel32& kernel32_;
  // One character, kept from pause to pause; NUL when the run begins.
  char16_t pauseBuffer_ = u'\0';
  win::Dword transferCount_ = 0;
  std::optional<std::string> writeFailure_;
};

}  // namespace collay
