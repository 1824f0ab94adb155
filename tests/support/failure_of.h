// The failure a result holds, for tests of the paths that must fail.
#pragma once
#include <gtest/gtest.h>

#include "core/failure.h"

namespace pixmora::test {

// The result's failure; the test fails, and an empty Failure comes back, when
// it succeeded instead.
template <class T>
Failure FailureOf(const Result<T>& result) {
  EXPECT_FALSE(result.has_value()) << "succeeded where it should fail";
  return result ? Failure{} : result.error();
}

}  // namespace pixmora::test
