// The real Kernel32, loaded by name and asked for each function by name,
// so that none of the console or memory functions stands in the program's
// import table.
#include <windows.h>

#include <string>

#include "library.h"

namespace collay {
namespace {

class WindowsKernel32 : public Library {
 public:
  RawFunction findFunction(const char* name) override {
    if (module_ == nullptr) module_ = LoadLibraryA("Kernel32");
    if (module_ == nullptr) return nullptr;
    return reinterpret_cast<RawFunction>(GetProcAddress(module_, name));
  }

  std::string describeLastError() override {
    DWORD error = GetLastError();
    char text[512];
    DWORD length = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                                  nullptr, error, 0, text, sizeof text, nullptr);
    while (length > 0 && (text[length - 1] == '\n' || text[length - 1] == '\r' ||
                          text[length - 1] == '.' || text[length - 1] == ' ')) {
      --length;
    }
    if (length == 0) return "system error " + std::to_string(error);
    return std::string(text, length);
  }

 private:
  HMODULE module_ = nullptr;
};

}  // namespace

Library& platformKernel32() {
  static WindowsKernel32 library;
  return library;
}

}  // namespace collay
