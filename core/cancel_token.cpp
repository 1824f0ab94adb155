#include "core/cancel_token.h"

#include <sys/eventfd.h>
#include <unistd.h>

#include <cstdint>

namespace pixmora {

namespace {
thread_local const CancelToken* current = nullptr;
}  // namespace

CancelToken::CancelToken() : fd_(eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK)) {}

CancelToken::~CancelToken() {
  if (fd_ >= 0) close(fd_);
}

void CancelToken::Cancel() {
  if (cancelled_.exchange(true, std::memory_order_acq_rel) || fd_ < 0) return;
  const uint64_t one = 1;
  // A full counter is still readable, which is all a waiter needs.
  [[maybe_unused]] const ssize_t written = write(fd_, &one, sizeof one);
}

CancelScope::CancelScope(const CancelToken& token) : outer_(current) { current = &token; }

CancelScope::~CancelScope() { current = outer_; }

const CancelToken* CancelScope::Current() { return current; }

}  // namespace pixmora
