#include "core/child_process.h"

#include <gtest/gtest.h>
#include <sys/wait.h>

namespace pixmora {
namespace {

ChildProcess Shell(const std::string& script, ChildProcess::Stream out, ChildProcess::Stream err) {
  ChildProcess::Options options;
  options.out = out;
  options.err = err;
  return ChildProcess({"/bin/sh", "-c", script}, options);
}

// A child that says more than a pipe holds is read as it goes, not after it
// ends, so neither side waits for the other.
TEST(ChildProcess, ALongErrorStreamIsReadWhileTheChildRuns) {
  ChildProcess child = Shell("head -c 300000 /dev/zero >&2; exit 3", ChildProcess::Stream::Inherit,
                             ChildProcess::Stream::Pipe);
  ASSERT_TRUE(child.Started());
  std::string err;
  while (!child.ReadErr(err)) ReadableAmong({child.ErrFd()}, 5000);
  const int status = child.Reap();
  EXPECT_EQ(err.size(), 300000u);
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 3);
}

TEST(ChildProcess, ReadingStopsAtTheDeadlineAndTheChildIsEndedWithItsObject) {
  const auto start = std::chrono::steady_clock::now();
  {
    ChildProcess child = Shell("printf ab; sleep 30", ChildProcess::Stream::Pipe, ChildProcess::Stream::Null);
    char data[4] = {};
    EXPECT_TRUE(child.ReadOut(data, 2, start + std::chrono::seconds(10)));
    EXPECT_EQ(std::string(data), "ab");
    EXPECT_FALSE(child.ReadOut(data, 1, std::chrono::steady_clock::now() + std::chrono::milliseconds(100)));
  }
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(10));
}

TEST(ChildProcess, AProgramThatCannotStartSaysWhy) {
  ChildProcess child({"/nonexistent/program"}, {});
  EXPECT_FALSE(child.Started());
  EXPECT_FALSE(child.Error().empty());
}

}  // namespace
}  // namespace pixmora
