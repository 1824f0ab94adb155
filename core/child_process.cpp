#include "core/child_process.h"

#include <fcntl.h>
#include <pthread.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <utility>

#include "core/cancel_token.h"

extern char** environ;

namespace pixmora {

namespace {

std::vector<char*> Pointers(const std::vector<std::string>& texts) {
  std::vector<char*> pointers;
  for (const std::string& t : texts) pointers.push_back(const_cast<char*>(t.c_str()));
  pointers.push_back(nullptr);
  return pointers;
}

// Points the child's descriptor target at /dev/null or a new pipe (which the
// child reads when target is its standard input, else writes); answers the
// parent's end of the pipe (-1 otherwise), and false when no pipe was made.
bool Route(ChildProcess::Stream stream, int target, posix_spawn_file_actions_t& actions,
           int& parentEnd, int& childEnd) {
  parentEnd = childEnd = -1;
  if (stream == ChildProcess::Stream::Null)
    posix_spawn_file_actions_addopen(&actions, target, "/dev/null", target == 0 ? O_RDONLY : O_WRONLY, 0);
  if (stream != ChildProcess::Stream::Pipe) return true;
  int fds[2];
  if (pipe2(fds, O_CLOEXEC) != 0) return false;
  const bool childReads = target == 0;
  parentEnd = fds[childReads ? 1 : 0], childEnd = fds[childReads ? 0 : 1];
  posix_spawn_file_actions_adddup2(&actions, childEnd, target);
  return true;
}

}  // namespace

ChildProcess::ChildProcess(const std::vector<std::string>& argv, const Options& options)
    : cancel_(options.cancel) {
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  int inChild = -1, outChild = -1, errChild = -1;
  const bool routed = Route(options.in, 0, actions, in_, inChild) &&
                      Route(options.out, 1, actions, out_, outChild) &&
                      Route(options.err, 2, actions, err_, errChild);
  if (routed && out_ >= 0 && options.pipeBytes > 0) fcntl(out_, F_SETPIPE_SZ, options.pipeBytes);
  // The error stream is read as it comes, never waited on.
  if (routed && err_ >= 0) fcntl(err_, F_SETFL, O_NONBLOCK);
  int failed = routed ? 0 : errno;
  if (routed) {
    std::vector<char*> args = Pointers(argv);
    std::vector<char*> envp = options.env ? Pointers(*options.env) : std::vector<char*>{};
    failed = posix_spawn(&pid_, argv[0].c_str(), &actions, nullptr, args.data(),
                         options.env ? envp.data() : environ);
  }
  posix_spawn_file_actions_destroy(&actions);
  for (int fd : {inChild, outChild, errChild})
    if (fd >= 0) close(fd);
  if (failed != 0) {
    pid_ = -1;
    error_ = std::strerror(failed);
    CloseFds();
  }
}

ChildProcess::~ChildProcess() { Dispose(); }

void ChildProcess::Dispose() {
  if (pid_ > 0) {
    Kill();
    Reap();
  }
  CloseFds();
}

ChildProcess::ChildProcess(ChildProcess&& other) noexcept
    : pid_(std::exchange(other.pid_, -1)),
      in_(std::exchange(other.in_, -1)),
      out_(std::exchange(other.out_, -1)),
      err_(std::exchange(other.err_, -1)),
      cancel_(other.cancel_),
      error_(std::move(other.error_)) {}

ChildProcess& ChildProcess::operator=(ChildProcess&& other) noexcept {
  if (this != &other) {
    Dispose();
    pid_ = std::exchange(other.pid_, -1);
    in_ = std::exchange(other.in_, -1);
    out_ = std::exchange(other.out_, -1);
    err_ = std::exchange(other.err_, -1);
    cancel_ = other.cancel_;
    error_ = std::move(other.error_);
  }
  return *this;
}

void ChildProcess::CloseFds() {
  for (int* fd : {&in_, &out_, &err_})
    if (*fd >= 0) close(std::exchange(*fd, -1));
}

// SIGPIPE is held back while writing and a pending one taken, so that a child
// that has gone shows as a failed write rather than ending this process.
bool ChildProcess::WriteIn(const std::string& data) {
  sigset_t pipeSignal, old;
  sigemptyset(&pipeSignal);
  sigaddset(&pipeSignal, SIGPIPE);
  pthread_sigmask(SIG_BLOCK, &pipeSignal, &old);
  size_t at = 0;
  while (in_ >= 0 && at < data.size()) {
    const ssize_t n = write(in_, data.data() + at, data.size() - at);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) break;
    at += static_cast<size_t>(n);
  }
  const timespec none{0, 0};
  while (sigtimedwait(&pipeSignal, nullptr, &none) > 0) {
  }
  pthread_sigmask(SIG_SETMASK, &old, nullptr);
  return at == data.size();
}

void ChildProcess::CloseIn() {
  if (in_ >= 0) close(std::exchange(in_, -1));
}

bool ChildProcess::ReadOut(void* data, size_t size, Deadline deadline) {
  char* p = static_cast<char*>(data);
  // The token's descriptor is waited on beside the pipe: a cancel ends the wait at once.
  std::vector<int> fds = {out_};
  if (cancel_) fds.push_back(cancel_->Fd());
  while (size > 0) {
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
        deadline - std::chrono::steady_clock::now());
    if (left.count() <= 0 || (cancel_ && cancel_->Cancelled())) return false;
    const std::vector<size_t> readable = ReadableAmong(fds, static_cast<int>(left.count()));
    if (readable.empty() || readable.back() == 1) return false;
    const ssize_t n = read(out_, p, size);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    p += n, size -= static_cast<size_t>(n);
  }
  return true;
}

bool ChildProcess::ReadErr(std::string& into) {
  if (err_ < 0) return true;
  char buffer[4096];
  for (;;) {
    const ssize_t n = read(err_, buffer, sizeof buffer);
    if (n < 0 && errno == EINTR) continue;
    if (n > 0) {
      into.append(buffer, static_cast<size_t>(n));
      continue;
    }
    if (n < 0 && errno == EAGAIN) return false;
    close(std::exchange(err_, -1));
    return true;
  }
}

void ChildProcess::Kill() {
  if (pid_ > 0) kill(pid_, SIGKILL);
}

int ChildProcess::Reap() {
  if (pid_ <= 0) return -1;
  int status = 0;
  while (waitpid(pid_, &status, 0) < 0 && errno == EINTR) {
  }
  pid_ = -1;
  return status;
}

bool ReadRequestField(std::string& field) {
  field.clear();
  for (int c; (c = std::getchar()) != EOF;) {
    if (c == '\0') return true;
    field += static_cast<char>(c);
  }
  return false;
}

bool ProcessRuns(pid_t pid) { return pid > 0 && (kill(pid, 0) == 0 || errno == EPERM); }

std::vector<size_t> ReadableAmong(const std::vector<int>& fds, int timeoutMs) {
  std::vector<pollfd> polled;
  for (int fd : fds) polled.push_back({fd, POLLIN, 0});
  int ready;
  while ((ready = poll(polled.data(), polled.size(), timeoutMs)) < 0 && errno == EINTR) {
  }
  std::vector<size_t> readable;
  for (size_t i = 0; ready > 0 && i < polled.size(); ++i)
    if (polled[i].revents != 0) readable.push_back(i);
  return readable;
}

}  // namespace pixmora
