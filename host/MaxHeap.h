#pragma once
// The host's heap operators and its growable table.
#include <cstddef>
#include <new>
#include <stdexcept>
#include <vector>

#include "host/HostApi.h"

// Objects handed to the host are allocated through these, so that host and modules share
// one heap whatever runtime each was built with.
class HOSTAPI MaxHeapOperators {
 public:
  static void* operator new(std::size_t size);
  static void* operator new(std::size_t size, const std::nothrow_t&) noexcept;
  static void* operator new[](std::size_t size);
  static void operator delete(void* p) noexcept;
  static void operator delete(void* p, const std::nothrow_t&) noexcept;
  static void operator delete[](void* p) noexcept;
};

// Test hook: the next `count` successful allocations go through, then one fails (yields null
// for nothrow new, throws std::bad_alloc otherwise). A negative count turns the hook off.
HOSTAPI void SetHostHeapFailAfter(int count);

class HOSTAPI TabOutOfRangeException : public std::out_of_range {
 public:
  TabOutOfRangeException() : std::out_of_range("Invalid index passed into a Max SDK Tab::operator[]") {}
};

template <class T>
class Tab {
 public:
  int Count() const { return static_cast<int>(items.size()); }
  void Append(const T& v) { items.push_back(v); }
  void ZeroCount() { items.clear(); }
  T& operator[](int i) {
    if (i < 0 || i >= Count()) throw TabOutOfRangeException();
    return items[static_cast<std::size_t>(i)];
  }
  const T& operator[](int i) const {
    if (i < 0 || i >= Count()) throw TabOutOfRangeException();
    return items[static_cast<std::size_t>(i)];
  }

 private:
  std::vector<T> items;
};
