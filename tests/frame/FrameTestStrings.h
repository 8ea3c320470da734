#pragma once
// The string table of the frame's test program, in the modules' one-list form.
#define IDS_TEST_FIRST 1
#define IDS_TEST_SECOND 2
#define IDS_TEST_LONG 40

// The long text has 300 characters, more than the shared buffer holds; it stays one literal,
// as a resource script takes it.
// clang-format off
#define FRAME_TEST_STRINGS(X)     \
  X(IDS_TEST_FIRST, "First text") \
  X(IDS_TEST_SECOND, "Second")    \
  X(IDS_TEST_LONG, "0123456789abcdefghijklmnopqrst0123456789abcdefghijklmnopqrst0123456789abcdefghijklmnopqrst0123456789abcdefghijklmnopqrst0123456789abcdefghijklmnopqrst0123456789abcdefghijklmnopqrst0123456789abcdefghijklmnopqrst0123456789abcdefghijklmnopqrst0123456789abcdefghijklmnopqrst0123456789abcdefghijklmnopqrst")
// clang-format on
