// The main of every test program without a main of its own: a private home
// for the whole process, then GoogleTest.

#include <gtest/gtest.h>

#include "tests/support/private_home.h"

int main(int argc, char** argv) {
  int status = 0;
  {
    lumigram::testing::PrivateHome home(argc > 0 ? argv[0] : nullptr);
    ::testing::InitGoogleTest(&argc, argv);
    status = RUN_ALL_TESTS();
  }
  return status;
}
