// The system's ANSI code page (CP_ACP), converted by Windows itself.
#include <windows.h>

#include "ansi_code_page.h"

namespace collay {

std::string toAnsiCodePage(std::u16string_view text) {
  if (text.empty()) return {};
  const auto* wide = reinterpret_cast<const wchar_t*>(text.data());
  int units = static_cast<int>(text.size());
  int bytes = WideCharToMultiByte(CP_ACP, 0, wide, units, nullptr, 0, nullptr, nullptr);
  std::string converted(static_cast<std::size_t>(bytes), '\0');
  WideCharToMultiByte(CP_ACP, 0, wide, units, converted.data(), bytes, nullptr, nullptr);
  return converted;
}

std::u16string fromAnsiCodePage(std::string_view bytes) {
  if (bytes.empty()) return {};
  int count = static_cast<int>(bytes.size());
  int units = MultiByteToWideChar(CP_ACP, 0, bytes.data(), count, nullptr, 0);
  std::u16string converted(static_cast<std::size_t>(units), u'\0');
  MultiByteToWideChar(CP_ACP, 0, bytes.data(), count, reinterpret_cast<wchar_t*>(converted.data()),
                      units);
  return converted;
}

}  // namespace collay
