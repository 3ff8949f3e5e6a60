// ColumnMajorArray: a fixed-size array of unsigned bytes described by an
// Automation SAFEARRAY descriptor and stored column-major: the first
// subscript varies fastest. Arrays are made from constant templates, one
// per shape.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "runtime/run_time_error.h"

namespace collay {

inline constexpr std::uint32_t VT_UI1 = 17;  // variant type of an unsigned byte

inline constexpr std::uint16_t FADF_STATIC = 0x0002;  // descriptor lives in its owner
inline constexpr std::uint16_t FADF_FIXEDSIZE = 0x0010;
inline constexpr std::uint16_t FADF_HAVEVARTYPE = 0x0080;  // variant type precedes descriptor

struct SAFEARRAYBOUND {
  std::uint32_t cElements;
  std::int32_t lLbound;
};

// The Automation SAFEARRAY layout, with room for `Dimensions` bounds. The
// bounds are stored last dimension first.
template <std::size_t Dimensions>
struct SAFEARRAY {
  std::uint16_t cDims;
  std::uint16_t fFeatures;
  std::uint32_t cbElements;
  std::uint32_t cLocks;
  void* pvData;
  SAFEARRAYBOUND rgsabound[Dimensions];
};

// A shape as the program image keeps it: the descriptor's size in bytes,
// then the descriptor with no storage.
template <std::size_t Dimensions>
struct ArrayTemplate {
  std::uint32_t size;
  SAFEARRAY<Dimensions> descriptor;
};

template <std::size_t Dimensions>
constexpr ArrayTemplate<Dimensions> makeTemplate(
    const std::array<SAFEARRAYBOUND, Dimensions>& boundsAsStored) {
  ArrayTemplate<Dimensions> shape{sizeof(SAFEARRAY<Dimensions>),
                                  {static_cast<std::uint16_t>(Dimensions),
                                   FADF_HAVEVARTYPE | FADF_FIXEDSIZE | FADF_STATIC,
                                   1,
                                   0,
                                   nullptr,
                                   {}}};
  for (std::size_t i = 0; i < Dimensions; ++i) shape.descriptor.rgsabound[i] = boundsAsStored[i];
  return shape;
}

// 0..23
inline constexpr ArrayTemplate<1> oneDimensionTemplate = makeTemplate<1>({{{24, 0}}});
// first 0..11, second 0..1
inline constexpr ArrayTemplate<2> twoDimensionTemplate = makeTemplate<2>({{{2, 0}, {12, 0}}});
// first 0..3, second 0..2, third 0..1
inline constexpr ArrayTemplate<3> threeDimensionTemplate =
    makeTemplate<3>({{{2, 0}, {3, 0}, {4, 0}}});

// Element storage comes from, and goes back to, the C heap.
void* allocateElementStorage(std::size_t bytes);
void freeElementStorage(void* storage);

template <std::size_t Dimensions>
class ColumnMajorArray {
 public:
  using Descriptor = SAFEARRAY<Dimensions>;

  // construct: the template's descriptor, the element type in the word
  // before it, and storage for every element.
  ColumnMajorArray(const ArrayTemplate<Dimensions>& shape, std::uint32_t elementType) {
    record_.descriptor = shape.descriptor;
    record_.variantTypeWords.back() = elementType;
    record_.descriptor.pvData = allocateElementStorage(storageSize());
  }
  ~ColumnMajorArray() { destroy(); }
  ColumnMajorArray(const ColumnMajorArray&) = delete;
  ColumnMajorArray& operator=(const ColumnMajorArray&) = delete;

  // lLbound + cElements - 1 of a dimension; dimension 1 is the leftmost.
  std::int32_t upperBound(int dimension) const {
    if (dimension < 1 || dimension > static_cast<int>(Dimensions)) {
      throw RunTimeError(RunTimeErrorKind::SubscriptOutOfRange);
    }
    const SAFEARRAYBOUND& bound = boundOf(static_cast<std::size_t>(dimension));
    return bound.lLbound + static_cast<std::int32_t>(bound.cElements) - 1;
  }

  template <typename... Subscripts>
  std::uint8_t& elementAt(Subscripts... subscripts) {
    static_assert(sizeof...(Subscripts) == Dimensions, "one subscript per dimension");
    const std::int16_t given[] = {subscripts...};
    checkSubscripts(given);
    return static_cast<std::uint8_t*>(record_.descriptor.pvData)[offsetOf(given)];
  }

  void* firstElement() const { return record_.descriptor.pvData; }

  // Frees the element storage; the descriptor belongs to the array's owner.
  void destroy() {
    freeElementStorage(record_.descriptor.pvData);
    record_.descriptor.pvData = nullptr;
  }

  const Descriptor& descriptor() const { return record_.descriptor; }
  // The word just before the descriptor.
  std::uint32_t variantType() const { return record_.variantTypeWords.back(); }

  // Product of the element counts, times the element size.
  std::size_t storageSize() const {
    std::size_t size = record_.descriptor.cbElements;
    for (const SAFEARRAYBOUND& bound : record_.descriptor.rgsabound) size *= bound.cElements;
    return size;
  }

 private:
  // The variant type is the last word of the padding that aligns the
  // descriptor, so that it always sits directly before it.
  struct Record {
    std::array<std::uint32_t, alignof(Descriptor) / sizeof(std::uint32_t)> variantTypeWords{};
    Descriptor descriptor;
  };
  static_assert(offsetof(Record, descriptor) ==
                sizeof(std::uint32_t) * (alignof(Descriptor) / sizeof(std::uint32_t)));

  // Bounds are stored last dimension first.
  const SAFEARRAYBOUND& boundOf(std::size_t dimension) const {
    return record_.descriptor.rgsabound[Dimensions - dimension];
  }

  // First subscript to last; one unsigned comparison rejects values below
  // the lower bound and at or past its end alike.
  void checkSubscripts(const std::int16_t (&given)[Dimensions]) const {
    for (std::size_t d = 1; d <= Dimensions; ++d) {
      const SAFEARRAYBOUND& bound = boundOf(d);
      if (static_cast<std::uint32_t>(given[d - 1] - bound.lLbound) >= bound.cElements) {
        throw RunTimeError(RunTimeErrorKind::SubscriptOutOfRange);
      }
    }
  }

  // (s1 - l1) + c1 * ((s2 - l2) + c2 * (...)), times the element size:
  // Horner form from the last dimension in, which is the order the bounds
  // are stored in.
  std::size_t offsetOf(const std::int16_t (&given)[Dimensions]) const {
    std::size_t offset = 0;
    for (std::size_t i = 0; i < Dimensions; ++i) {
      const SAFEARRAYBOUND& bound = record_.descriptor.rgsabound[i];
      std::size_t fromLowest =
          static_cast<std::uint32_t>(given[Dimensions - 1 - i] - bound.lLbound);
      offset = fromLowest + bound.cElements * offset;
    }
    return offset * record_.descriptor.cbElements;
  }

  Record record_;
};

}  // namespace collay
