// The stand-in's ANSI code page is Latin-1: the first 256 code points map
// to one byte each, and anything beyond becomes '?', as the Windows
// conversion does for characters its code page lacks.
#include "ansi_code_page.h"

namespace collay {

std::string toAnsiCodePage(std::u16string_view text) {
  std::string bytes(text.size(), '?');
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] < 0x100) bytes[i] = static_cast<char>(text[i]);
  }
  return bytes;
}

std::u16string fromAnsiCodePage(std::string_view bytes) {
  std::u16string text(bytes.size(), u'\0');
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    text[i] = static_cast<char16_t>(static_cast<unsigned char>(bytes[i]));
  }
  return text;
}

}  // namespace collay
