// Bstr texts, their decimal conversions, and the checked arithmetic that
// stands beside them in collay's run time.
#include "runtime/bstr.h"

#include <gtest/gtest.h>

#include <cstring>
#include <limits>

#include "runtime/checked_arithmetic.h"

namespace collay {
namespace {

std::string narrow(const Bstr& text) {
  return std::string(text.view().begin(), text.view().end());
}

TEST(Bstr, ConcatenationMakesANewCountedTextAndLeavesItsPartsAlone) {
  Bstr left(u"a2(");
  Bstr joined = left & u"11, " & decimalText(std::int16_t{1}) & u"): ";
  EXPECT_EQ(narrow(joined), "a2(11, 1): ");
  EXPECT_EQ(joined.length(), 11u);
  EXPECT_EQ(joined.byteLengthPrefix(), 22u);
  EXPECT_EQ(joined.view().data()[joined.length()], u'\0') << "a counted text still ends in NUL";
  EXPECT_EQ(narrow(left), "a2(");
  EXPECT_NE(joined.view().data(), left.view().data());
}

TEST(Bstr, EmptyTextsConcatenateToEmpty) {
  Bstr none;
  Bstr empty(u"");
  EXPECT_EQ((none & empty).length(), 0u);
  EXPECT_EQ((empty & u"").byteLengthPrefix(), 0u);
  EXPECT_EQ(narrow(none & u"\r\n"), "\r\n");
}

TEST(Bstr, MovedFromTextReadsEmpty) {
  Bstr text(u"abc");
  Bstr taken = std::move(text);
  EXPECT_EQ(narrow(taken), "abc");
  text = std::move(taken);
  EXPECT_EQ(narrow(text), "abc");
}

TEST(DecimalText, HasNoLeadingZerosOrSpaceAndSignsNegatives) {
  struct Case {
    std::int16_t value;
    const char* text;
  };
  for (Case c : {Case{0, "0"}, Case{7, "7"}, Case{23, "23"}, Case{-1, "-1"}, Case{32767, "32767"},
                 Case{-32768, "-32768"}}) {
    EXPECT_EQ(narrow(decimalText(c.value)), c.text);
  }
  EXPECT_EQ(narrow(decimalText(std::uint8_t{0})), "0");
  EXPECT_EQ(narrow(decimalText(std::uint8_t{255})), "255");
}

template <typename Call>
void expectOverflow(Call call, const char* what) {
  try {
    call();
    ADD_FAILURE() << what << " did not overflow";
  } catch (const RunTimeError& error) {
    EXPECT_EQ(error.kind(), RunTimeErrorKind::Overflow) << what;
  }
}

TEST(CheckedArithmetic, RaisesOverflowAtTheFirstValuePastTheRange) {
  EXPECT_EQ(checkedIncrement(32766), 32767);
  EXPECT_EQ(checkedIncrement(-1), 0);
  expectOverflow([] { checkedIncrement(32767); }, "32767 + 1");

  constexpr std::int32_t most = std::numeric_limits<std::int32_t>::max();
  constexpr std::int32_t least = std::numeric_limits<std::int32_t>::min();
  EXPECT_EQ(checkedAdd(23, 1), 24);
  EXPECT_EQ(checkedAdd(most - 1, 1), most);
  expectOverflow([] { checkedAdd(most, 1); }, "2147483647 + 1");
  expectOverflow([] { checkedAdd(least, -1); }, "-2147483648 - 1");

  EXPECT_EQ(checkedToInt16(-32768), -32768);
  expectOverflow([] { checkedToInt16(32768); }, "32768 as a 16-bit integer");
  expectOverflow([] { checkedToInt16(-32769); }, "-32769 as a 16-bit integer");
  EXPECT_EQ(checkedToByte(255), 255);
  expectOverflow([] { checkedToByte(256); }, "256 as a byte");
  expectOverflow([] { checkedToByte(-1); }, "-1 as a byte");
}

}  // namespace
}  // namespace collay
