#include <gtest/gtest.h>

#include "programs_under_test.h"

int main(int argc, char** argv) {
  end_to_end::takeProgramFlags(argc, argv);
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
