// Test programs know where the build put its programs and where the sources are,
// also when run by hand outside CTest.

#include <gtest/gtest.h>

#include <cstdlib>

int main(int argc, char** argv) {
  ::setenv("NIMBRA_BIN_DIR", NIMBRA_BIN_DIR, /*overwrite=*/0);
  ::setenv("NIMBRA_SOURCE_DIR", NIMBRA_SOURCE_DIR, 0);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
