// Conversion between UTF-16 text and the system's ANSI code page, which the
// console's A functions read and write.
#pragma once

#include <string>
#include <string_view>

namespace collay {

std::string toAnsiCodePage(std::u16string_view text);
std::u16string fromAnsiCodePage(std::string_view bytes);

}  // namespace collay
