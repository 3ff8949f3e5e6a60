// Bstr: a counted UTF-16 text. The characters are preceded by a 32-bit
// prefix holding their length in bytes and followed by a NUL, the way
// Automation keeps its texts. Concatenation always makes a new text; the
// texts it was made from are freed as soon as their owners let go of them.
#pragma once

#include <cstdint>
#include <string_view>

namespace collay {

class Bstr {
 public:
  Bstr() = default;  // no storage; reads as the empty text
  explicit Bstr(std::u16string_view text);
  // A new text holding `first` followed by `second`.
  Bstr(std::u16string_view first, std::u16string_view second);
  ~Bstr();
  Bstr(Bstr&& other) noexcept;
  Bstr& operator=(Bstr&& other) noexcept;
  Bstr(const Bstr&) = delete;
  Bstr& operator=(const Bstr&) = delete;

  std::u16string_view view() const { return {characters_, length()}; }
  std::size_t length() const;
  // The length prefix as stored: the number of bytes of the characters.
  std::uint32_t byteLengthPrefix() const;

 private:
  char16_t* characters_ = nullptr;  // just after the length prefix
};

Bstr operator&(const Bstr& left, std::u16string_view right);
Bstr operator&(const Bstr& left, const Bstr& right);

// Decimal digits with no leading zeros or space; a minus sign for negatives.
Bstr decimalText(std::int16_t value);
Bstr decimalText(std::uint8_t value);

}  // namespace collay
