#include "bstr.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <utility>

#include "run_time_error.h"

namespace collay {
namespace {

constexpr std::size_t prefixSize = sizeof(std::uint32_t);

unsigned char* blockOf(char16_t* characters) {
  return reinterpret_cast<unsigned char*>(characters) - prefixSize;
}

// Room for `length` characters and the NUL after them, with the length
// prefix stored; the caller fills in the characters.
char16_t* allocateText(std::size_t length) {
  std::size_t bytes = length * sizeof(char16_t);
  auto* block = static_cast<unsigned char*>(std::malloc(prefixSize + bytes + sizeof(char16_t)));
  if (block == nullptr) throw RunTimeError(RunTimeErrorKind::OutOfMemory);
  auto prefix = static_cast<std::uint32_t>(bytes);
  std::memcpy(block, &prefix, prefixSize);
  auto* characters = reinterpret_cast<char16_t*>(block + prefixSize);
  characters[length] = u'\0';
  return characters;
}

template <typename Unsigned>
Bstr digitsOf(bool negative, Unsigned magnitude) {
  char16_t digits[8];
  char16_t* first = digits + sizeof digits / sizeof digits[0];
  do {
    *--first = static_cast<char16_t>(u'0' + magnitude % 10);
    magnitude = static_cast<Unsigned>(magnitude / 10);
  } while (magnitude != 0);
  if (negative) *--first = u'-';
  return Bstr(std::u16string_view(first, static_cast<std::size_t>(digits + 8 - first)));
}

}  // namespace

Bstr::Bstr(std::u16string_view text) : Bstr(text, {}) {}

Bstr::Bstr(std::u16string_view first, std::u16string_view second)
    : characters_(allocateText(first.size() + second.size())) {
  // std::copy, unlike memcpy, is defined for the empty views of absent texts.
  std::copy(second.begin(), second.end(), std::copy(first.begin(), first.end(), characters_));
}

Bstr::~Bstr() {
  if (characters_ != nullptr) std::free(blockOf(characters_));
}

Bstr::Bstr(Bstr&& other) noexcept : characters_(std::exchange(other.characters_, nullptr)) {}

Bstr& Bstr::operator=(Bstr&& other) noexcept {
  Bstr old(std::move(*this));
  characters_ = std::exchange(other.characters_, nullptr);
  return *this;
}

std::uint32_t Bstr::byteLengthPrefix() const {
  if (characters_ == nullptr) return 0;
  std::uint32_t prefix;
  std::memcpy(&prefix, blockOf(characters_), prefixSize);
  return prefix;
}

std::size_t Bstr::length() const {
  return byteLengthPrefix() / sizeof(char16_t);
}

Bstr operator&(const Bstr& left, std::u16string_view right) {
  return Bstr(left.view(), right);
}

Bstr operator&(const Bstr& left, const Bstr& right) {
  return Bstr(left.view(), right.view());
}

Bstr decimalText(std::int16_t value) {
  auto magnitude = static_cast<std::uint16_t>(value < 0 ? -value : value);
  return digitsOf(value < 0, magnitude);
}

Bstr decimalText(std::uint8_t value) {
  return digitsOf(false, value);
}

}  // namespace collay
