// ColumnMajorArray: the descriptor's layout, the templates, addressing with
// the first subscript fastest, and the subscript check.
#include "column_major_array.h"

#include <gtest/gtest.h>

#include <cstring>
#include <numeric>

namespace collay {
namespace {

// Fills the storage with the bytes 0..23, as the listing's raw copy does.
template <std::size_t Dimensions>
void fillWithByteValues(ColumnMajorArray<Dimensions>& array) {
  unsigned char bytes[24];
  std::iota(bytes, bytes + 24, 0);
  ASSERT_EQ(array.storageSize(), sizeof bytes);
  std::memcpy(array.firstElement(), bytes, sizeof bytes);
}

template <std::size_t Dimensions>
bool storageStillHoldsByteValues(const ColumnMajorArray<Dimensions>& array) {
  const auto* bytes = static_cast<const unsigned char*>(array.firstElement());
  for (int n = 0; n < 24; ++n) {
    if (bytes[n] != n) return false;
  }
  return true;
}

TEST(SafeArrayDescriptor, FieldsLieInAutomationOrderAndWidths) {
  using Descriptor = SAFEARRAY<3>;
  EXPECT_EQ(offsetof(Descriptor, cDims), 0u);
  EXPECT_EQ(offsetof(Descriptor, fFeatures), 2u);
  EXPECT_EQ(offsetof(Descriptor, cbElements), 4u);
  EXPECT_EQ(offsetof(Descriptor, cLocks), 8u);
  EXPECT_EQ(offsetof(Descriptor, pvData), sizeof(void*) == 4 ? 12u : 16u);
  EXPECT_EQ(offsetof(Descriptor, rgsabound), offsetof(Descriptor, pvData) + sizeof(void*));
  EXPECT_EQ(sizeof(SAFEARRAYBOUND), 8u);
  EXPECT_EQ(offsetof(SAFEARRAYBOUND, lLbound), 4u);
}

TEST(ArrayTemplates, HoldTheirSizeThenAnEmptyDescriptor) {
  EXPECT_EQ(oneDimensionTemplate.size, sizeof(SAFEARRAY<1>));
  EXPECT_EQ(twoDimensionTemplate.size, sizeof(SAFEARRAY<2>));
  EXPECT_EQ(threeDimensionTemplate.size, sizeof(SAFEARRAY<3>));
  // Four 32-bit fields and the storage pointer (padded to its alignment),
  // then eight bytes per bound.
  if (sizeof(void*) == 4) {
    EXPECT_EQ(oneDimensionTemplate.size, 24u);
    EXPECT_EQ(twoDimensionTemplate.size, 32u);
    EXPECT_EQ(threeDimensionTemplate.size, 40u);
  } else {
    ASSERT_EQ(sizeof(void*), 8u);
    EXPECT_EQ(oneDimensionTemplate.size, 32u);
    EXPECT_EQ(twoDimensionTemplate.size, 40u);
    EXPECT_EQ(threeDimensionTemplate.size, 48u);
  }
  const SAFEARRAY<3>& d = threeDimensionTemplate.descriptor;
  EXPECT_EQ(d.cDims, 3);
  EXPECT_EQ(d.fFeatures, 0x0092);
  EXPECT_EQ(d.cbElements, 1u);
  EXPECT_EQ(d.cLocks, 0u);
  EXPECT_EQ(d.pvData, nullptr);
}

TEST(ArrayTemplates, StoreTheBoundsLastDimensionFirst) {
  auto boundsOf = [](const auto& descriptor) {
    std::vector<std::pair<std::uint32_t, std::int32_t>> bounds;
    for (const SAFEARRAYBOUND& b : descriptor.rgsabound)
      bounds.emplace_back(b.cElements, b.lLbound);
    return bounds;
  };
  using Bounds = std::vector<std::pair<std::uint32_t, std::int32_t>>;
  EXPECT_EQ(boundsOf(oneDimensionTemplate.descriptor), (Bounds{{24, 0}}));
  EXPECT_EQ(boundsOf(twoDimensionTemplate.descriptor), (Bounds{{2, 0}, {12, 0}}));
  EXPECT_EQ(boundsOf(threeDimensionTemplate.descriptor), (Bounds{{2, 0}, {3, 0}, {4, 0}}));
}

TEST(ColumnMajorArrayConstruct, CopiesTheTemplateAndPutsTheVariantTypeJustBeforeIt) {
  ColumnMajorArray<2> array(twoDimensionTemplate, VT_UI1);
  EXPECT_EQ(array.variantType(), 17u);
  std::uint32_t wordBefore;
  std::memcpy(&wordBefore, reinterpret_cast<const unsigned char*>(&array.descriptor()) - 4, 4);
  EXPECT_EQ(wordBefore, VT_UI1);
  EXPECT_EQ(array.descriptor().cDims, 2);
  EXPECT_EQ(array.descriptor().fFeatures, 0x0092);
  EXPECT_NE(array.firstElement(), nullptr);
  EXPECT_EQ(array.firstElement(), array.descriptor().pvData);
  EXPECT_EQ(array.storageSize(), 24u);
  array.destroy();
  EXPECT_EQ(array.firstElement(), nullptr);
}

TEST(ColumnMajorArrayUpperBound, IsTheLastSubscriptOfEachDimensionLeftmostFirst) {
  ColumnMajorArray<1> one(oneDimensionTemplate, VT_UI1);
  ColumnMajorArray<3> three(threeDimensionTemplate, VT_UI1);
  EXPECT_EQ(one.upperBound(1), 23);
  EXPECT_EQ(three.upperBound(1), 3);
  EXPECT_EQ(three.upperBound(2), 2);
  EXPECT_EQ(three.upperBound(3), 1);
  EXPECT_THROW(three.upperBound(4), RunTimeError);
  EXPECT_THROW(one.upperBound(0), RunTimeError);
}

struct Addressing {
  std::int16_t i, j, k;
  int byte;
};

TEST(ColumnMajorArrayElementAt, FirstSubscriptVariesFastest) {
  ColumnMajorArray<1> a1(oneDimensionTemplate, VT_UI1);
  ColumnMajorArray<2> a2(twoDimensionTemplate, VT_UI1);
  ColumnMajorArray<3> a3(threeDimensionTemplate, VT_UI1);
  fillWithByteValues(a1);
  fillWithByteValues(a2);
  fillWithByteValues(a3);

  for (std::int16_t i : {std::int16_t{0}, std::int16_t{7}, std::int16_t{23}})
    EXPECT_EQ(a1.elementAt(i), i);
  for (Addressing c : std::vector<Addressing>{
           {0, 0, 0, 0}, {1, 0, 0, 1}, {11, 0, 0, 11}, {0, 1, 0, 12}, {11, 1, 0, 23}}) {
    EXPECT_EQ(a2.elementAt(c.i, c.j), c.byte) << "a2(" << c.i << ", " << c.j << ")";
  }
  for (Addressing c : std::vector<Addressing>{
           {0, 0, 0, 0}, {3, 0, 0, 3}, {0, 1, 0, 4}, {0, 0, 1, 12}, {1, 2, 0, 9}, {3, 2, 1, 23}}) {
    EXPECT_EQ(a3.elementAt(c.i, c.j, c.k), c.byte)
        << "a3(" << c.i << ", " << c.j << ", " << c.k << ")";
  }
  a3.elementAt(std::int16_t{2}, std::int16_t{1}, std::int16_t{1}) = 99;
  EXPECT_EQ(static_cast<unsigned char*>(a3.firstElement())[2 + 4 * 1 + 12 * 1], 99);
}

TEST(ColumnMajorArrayElementAt, RejectsMinusOneAndCountInEveryDimensionTouchingNothing) {
  ColumnMajorArray<3> a3(threeDimensionTemplate, VT_UI1);
  fillWithByteValues(a3);
  const std::int16_t counts[] = {4, 3, 2};
  for (int dimension = 0; dimension < 3; ++dimension) {
    for (std::int16_t bad : {std::int16_t{-1}, counts[dimension]}) {
      std::int16_t s[] = {0, 0, 0};
      s[dimension] = bad;
      try {
        a3.elementAt(s[0], s[1], s[2]) = 99;
        ADD_FAILURE() << "subscript " << bad << " in dimension " << dimension + 1 << " was taken";
      } catch (const RunTimeError& error) {
        EXPECT_EQ(error.kind(), RunTimeErrorKind::SubscriptOutOfRange);
      }
    }
  }
  ColumnMajorArray<1> a1(oneDimensionTemplate, VT_UI1);
  fillWithByteValues(a1);
  EXPECT_THROW(a1.elementAt(std::int16_t{24}) = 99, RunTimeError);
  EXPECT_THROW(a1.elementAt(std::int16_t{-32768}) = 99, RunTimeError);
  EXPECT_TRUE(storageStillHoldsByteValues(a3));
  EXPECT_TRUE(storageStillHoldsByteValues(a1));
}

}  // namespace
}  // namespace collay
