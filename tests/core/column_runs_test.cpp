#include <gtest/gtest.h>

#include <atomic>
#include <new>

#include "core/column_runs.h"

namespace pixmora {

// A run that fails on another thread must not end the program: the failure
// comes out of the call, after the other runs have done their columns.
TEST(ColumnRuns, AFailureOnAnyThreadComesOutOfTheCall) {
  for (int failing : {0, 1, 2}) {
    std::atomic<int> treated{0};
    EXPECT_THROW(ForColumnRuns(3, 30,
                               [&](int first, int end, bool) {
                                 if (first == RunStart(failing, 3, 30)) throw std::bad_alloc();
                                 treated += end - first;
                               }),
                 std::bad_alloc)
        << failing;
    EXPECT_EQ(treated, 20) << failing;
  }
}

}  // namespace pixmora
