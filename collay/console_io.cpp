#include "console_io.h"

#include <string>

#include "platform/ansi_code_page.h"

namespace collay {

void ConsoleIo::open() {
  kernel32_.AllocConsole();
}

void ConsoleIo::writeText(const Bstr& text) {
  win::Handle output = kernel32_.GetStdHandle(win::STD_OUTPUT_HANDLE);
  transferCount_ = 0;
  std::string bytes = toAnsiCodePage(text.view());
  win::Bool written = kernel32_.WriteConsoleA(
      output, bytes.data(), static_cast<win::Dword>(text.length()), &transferCount_, nullptr);
  // The listing goes on regardless; the failure is reported when the run ends.
  if (!written && !writeFailure_) writeFailure_ = kernel32_.library.describeLastError();
}

void ConsoleIo::waitForCarriageReturn() {
  do {
    win::Handle input = kernel32_.GetStdHandle(win::STD_INPUT_HANDLE);
    transferCount_ = 0;
    std::string bytes = toAnsiCodePage(std::u16string_view(&pauseBuffer_, 1));
    win::Bool succeeded = kernel32_.ReadConsoleA(input, bytes.data(), 1, &transferCount_, nullptr);
    // A console that cannot be read, or whose input has ended, will never
    // deliver the carriage return: end the pause rather than wait forever.
    if (!succeeded || transferCount_ == 0) return;
    std::u16string read = fromAnsiCodePage(std::string_view(bytes.c_str()));
    pauseBuffer_ = read.empty() ? u' ' : read.front();
  } while (pauseBuffer_ != u'\r');
}

void ConsoleIo::close() {
  kernel32_.FreeConsole();
}

}  // namespace collay
