#include "collay.h"

#include <cstddef>
#include <cstdint>

#include "column_major_array.h"
#include "runtime/bstr.h"
#include "runtime/checked_arithmetic.h"

namespace collay {

void startUp(Kernel32& kernel32, ConsoleIo& console) {
  ColumnMajorArray<1> source(oneDimensionTemplate, VT_UI1);
  ColumnMajorArray<1> a1(oneDimensionTemplate, VT_UI1);
  ColumnMajorArray<2> a2(twoDimensionTemplate, VT_UI1);
  ColumnMajorArray<3> a3(threeDimensionTemplate, VT_UI1);
  Bstr text;

  console.open();

  std::int16_t last = checkedToInt16(source.upperBound(1));
  for (std::int16_t n = 0; n <= last; n = checkedIncrement(n)) {
    source.elementAt(n) = checkedToByte(n);
  }

  // Each copy takes its length from the source array, never from its target.
  std::int32_t count = checkedAdd(source.upperBound(1), 1);
  kernel32.RtlMoveMemory(a1.firstElement(), source.firstElement(), static_cast<std::size_t>(count));
  text = Bstr(u"");
  for (std::int16_t i = 0; i <= 23; i = checkedIncrement(i)) {
    text = text & u"a1(" & decimalText(i) & u"): " & decimalText(a1.elementAt(i)) & u"\r\n";
  }
  text = text & u"\r\n";
  console.writeText(text);
  console.waitForCarriageReturn();

  count = checkedAdd(source.upperBound(1), 1);
  kernel32.RtlMoveMemory(a2.firstElement(), source.firstElement(), static_cast<std::size_t>(count));
  text = Bstr(u"");
  for (std::int16_t j = 0; j <= 1; j = checkedIncrement(j)) {
    for (std::int16_t i = 0; i <= 11; i = checkedIncrement(i)) {
      text = text & u"a2(" & decimalText(i) & u", " & decimalText(j) & u"): " &
             decimalText(a2.elementAt(i, j)) & u"\r\n";
    }
  }
  text = text & u"\r\n";
  console.writeText(text);
  console.waitForCarriageReturn();

  count = checkedAdd(source.upperBound(1), 1);
  kernel32.RtlMoveMemory(a3.firstElement(), source.firstElement(), static_cast<std::size_t>(count));
  text = Bstr(u"");
  for (std::int16_t k = 0; k <= 1; k = checkedIncrement(k)) {
    for (std::int16_t j = 0; j <= 2; j = checkedIncrement(j)) {
      for (std::int16_t i = 0; i <= 3; i = checkedIncrement(i)) {
        text = text & u"a3(" & decimalText(i) & u", " & decimalText(j) & u", " & decimalText(k) &
               u"): " & decimalText(a3.elementAt(i, j, k)) & u"\r\n";
      }
    }
  }
  console.writeText(text);
  console.waitForCarriageReturn();

  console.close();

  a3.destroy();
  a2.destroy();
  a1.destroy();
  source.destroy();
  text = Bstr();
}

}  // namespace collay
