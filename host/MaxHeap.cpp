#include "host/MaxHeap.h"

#include <atomic>
#include <cstdlib>

namespace {

// Allocations still allowed before the injected failure; negative when the hook is off.
std::atomic<int> failAfter{-1};

// True when this allocation is the one the test hook makes fail. The hook fires once.
bool injectedFailure() {
  int left = failAfter.load(std::memory_order_relaxed);
  while (left >= 0) {
    const int next = left == 0 ? -1 : left - 1;
    if (failAfter.compare_exchange_weak(left, next, std::memory_order_relaxed)) return left == 0;
  }
  return false;
}

void* hostAlloc(std::size_t size) {
  if (injectedFailure()) return nullptr;
  // malloc(0) may answer null; every object gets storage of its own.
  return std::malloc(size == 0 ? 1 : size);
}

}  // namespace

void SetHostHeapFailAfter(int count) { failAfter.store(count < 0 ? -1 : count, std::memory_order_relaxed); }

void* MaxHeapOperators::operator new(std::size_t size) {
  void* p = hostAlloc(size);
  if (p == nullptr) throw std::bad_alloc();
  return p;
}

void* MaxHeapOperators::operator new(std::size_t size, const std::nothrow_t&) noexcept {
  return hostAlloc(size);
}

void* MaxHeapOperators::operator new[](std::size_t size) {
  void* p = hostAlloc(size);
  if (p == nullptr) throw std::bad_alloc();
  return p;
}

void MaxHeapOperators::operator delete(void* p) noexcept { std::free(p); }
void MaxHeapOperators::operator delete(void* p, const std::nothrow_t&) noexcept { std::free(p); }
void MaxHeapOperators::operator delete[](void* p) noexcept { std::free(p); }
