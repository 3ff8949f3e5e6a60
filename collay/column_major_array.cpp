#include "column_major_array.h"

#include <cstdlib>

namespace collay {

void* allocateElementStorage(std::size_t bytes) {
  void* storage = std::malloc(bytes);
  if (storage == nullptr) throw RunTimeError(RunTimeErrorKind::OutOfMemory);
  return storage;
}

void freeElementStorage(void* storage) {
  std::free(storage);
}

}  // namespace collay

// Where pointers are 32 bits wide, as on the delivered Windows target, the
// descriptor has exactly the Automation layout and the templates' sizes.
static_assert(sizeof(void*) != 4 || (offsetof(collay::SAFEARRAY<1>, cbElements) == 4 &&
                                     offsetof(collay::SAFEARRAY<1>, cLocks) == 8 &&
                                     offsetof(collay::SAFEARRAY<1>, pvData) == 12 &&
                                     offsetof(collay::SAFEARRAY<1>, rgsabound) == 16));
static_assert(sizeof(void*) != 4 ||
              (collay::oneDimensionTemplate.size == 24 && collay::twoDimensionTemplate.size == 32 &&
               collay::threeDimensionTemplate.size == 40));
