#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "host/ChunkStreams.h"

namespace {

std::vector<unsigned char> nestedSample() {
  std::vector<unsigned char> out;
  ChunkWriter w(out);
  const unsigned char four[] = {1, 2, 3, 4}, two[] = {5, 6};
  ULONG n = 0;
  w.BeginChunk(0x10);
  w.BeginChunk(0x11);
  w.Write(four, 4, &n);
  w.EndChunk();
  w.BeginChunk(0x12);
  w.Write(two, 2, &n);
  w.EndChunk();
  w.EndChunk();
  w.BeginChunk(0x13);
  w.EndChunk();
  EXPECT_FALSE(w.Failed());
  return out;
}

// Opens every chunk depth first (0x10 holds chunks, the others data) and reads every data byte;
// the first answer that is not IO_OK.
IOResult walk(ChunkReader& r) {
  IOResult res;
  while ((res = r.OpenChunk()) == IO_OK) {
    const IOResult inner = r.CurChunkID() == 0x10 ? walk(r) : IO_END;
    if (inner == IO_ERROR) return inner;
    if (r.BytesLeft() != 0) {
      std::vector<unsigned char> rest(r.BytesLeft());
      ULONG got = 0;
      if (r.Read(rest.data(), static_cast<ULONG>(rest.size()), &got) != IO_OK) return IO_ERROR;
    }
    if (r.CloseChunk() != IO_OK) return IO_ERROR;
  }
  return res;
}

TEST(ChunkStreams, NestedChunksReadBackAndNoReadCrossesAChunkEnd) {
  const std::vector<unsigned char> bytes = nestedSample();
  ChunkReader r(bytes.data(), 0, bytes.size());
  unsigned char buf[8] = {9, 9, 9, 9, 9, 9, 9, 9};
  ULONG got = 77;

  ASSERT_EQ(r.OpenChunk(), IO_OK);
  EXPECT_EQ(r.CurChunkID(), 0x10);
  ASSERT_EQ(r.OpenChunk(), IO_OK);
  EXPECT_EQ(r.CurChunkID(), 0x11);
  EXPECT_EQ(r.CurChunkLength(), 4u);

  // One byte too many: nothing is read, not even the first four.
  EXPECT_EQ(r.Read(buf, 5, &got), IO_ERROR);
  EXPECT_EQ(got, 0u);
  EXPECT_EQ(buf[0], 9);
  EXPECT_TRUE(r.Failed());
  EXPECT_NE(r.Failure().find("0x0011"), std::string::npos) << r.Failure();

  ASSERT_EQ(r.Read(buf, 4, &got), IO_OK);
  EXPECT_EQ(got, 4u);
  EXPECT_EQ(buf[3], 4);
  ASSERT_EQ(r.CloseChunk(), IO_OK);

  // The next chunk is intact, and its end stops a read before the following chunk's header.
  ASSERT_EQ(r.OpenChunk(), IO_OK);
  EXPECT_EQ(r.CurChunkID(), 0x12);
  EXPECT_EQ(r.Read(buf, 3, &got), IO_ERROR);
  ASSERT_EQ(r.Read(buf, 2, &got), IO_OK);
  EXPECT_EQ(buf[1], 6);
  ASSERT_EQ(r.CloseChunk(), IO_OK);
  EXPECT_EQ(r.OpenChunk(), IO_END);
  ASSERT_EQ(r.CloseChunk(), IO_OK);

  ASSERT_EQ(r.OpenChunk(), IO_OK);
  EXPECT_EQ(r.CurChunkID(), 0x13);
  EXPECT_EQ(r.CurChunkLength(), 0u);
  ASSERT_EQ(r.CloseChunk(), IO_OK);
  EXPECT_EQ(r.OpenChunk(), IO_END);
  EXPECT_EQ(r.CloseChunk(), IO_ERROR);  // nothing is open
}

TEST(ChunkStreams, DamagedFramingAnswersIOError) {
  const std::vector<unsigned char> good = nestedSample();  // 0x10 at 0 (length 20), 0x11 at 6 (length 4)
  auto withLength = [&](std::size_t at, std::uint32_t length) {
    std::vector<unsigned char> b = good;
    for (int i = 0; i < 4; ++i)
      b[at + 2 + static_cast<std::size_t>(i)] = static_cast<unsigned char>(length >> (8 * i));
    return b;
  };
  struct Case {
    const char* what;
    std::vector<unsigned char> bytes;
  };
  const Case cases[] = {
      {"header cut short", {0x10, 0x00, 0x05}},
      {"length past the file", {0x10, 0x00, 100, 0, 0, 0, 1, 2, 3, 4}},
      {"length of all ones", {0x10, 0x00, 0xFF, 0xFF, 0xFF, 0xFF, 1, 2}},
      {"outer chunk one byte too long", withLength(0, 21)},
      // Fits the file, but not the chunk around it.
      {"inner chunk longer than its parent", withLength(6, 15)},
      {"inner chunk's header cut by its parent", withLength(0, 4)},
  };
  for (const Case& c : cases) {
    ChunkReader r(c.bytes.data(), 0, c.bytes.size());
    EXPECT_EQ(walk(r), IO_ERROR) << c.what;
    EXPECT_TRUE(r.Failed()) << c.what;
  }
  ChunkReader whole(good.data(), 0, good.size());
  EXPECT_EQ(walk(whole), IO_END);
  EXPECT_FALSE(whole.Failed());
}

TEST(ChunkStreams, StringsAreUtf16LittleEndianInBothBuilds) {
  std::vector<unsigned char> out;
  ChunkWriter w(out);
  w.BeginChunk(0x20);
  w.WriteWString(L"A\u00E9\U0001F600");
  w.EndChunk();
  const std::vector<unsigned char> expected = {0x20, 0, 8, 0, 0, 0, 0x41, 0, 0xE9, 0, 0x3D, 0xD8, 0x00, 0xDE};
  EXPECT_EQ(out, expected);

  ChunkReader r(out.data(), 0, out.size());
  ASSERT_EQ(r.OpenChunk(), IO_OK);
  WStr s;
  ASSERT_EQ(r.ReadWStringChunk(s), IO_OK);
  EXPECT_TRUE(s == L"A\u00E9\U0001F600");

  const std::vector<unsigned char> odd = {0x20, 0, 3, 0, 0, 0, 0x41, 0, 0x42};
  ChunkReader bad(odd.data(), 0, odd.size());
  ASSERT_EQ(bad.OpenChunk(), IO_OK);
  EXPECT_EQ(bad.ReadWStringChunk(s), IO_ERROR);
}

class Recorder : public PostLoadCallback {
 public:
  Recorder(std::string& log, char name, int priority) : log(log), name(name), priority(priority) {}
  void proc(ILoad*) override { log += name; }
  int Priority() override { return priority; }
  void Abandon() override { log += '-'; }

 private:
  std::string& log;
  char name;
  int priority;
};

TEST(ChunkStreams, PostLoadCallbacksRunByPriorityOrAreAbandoned) {
  std::string log;
  Recorder a(log, 'a', 5), b(log, 'b', 0), c(log, 'c', 5), d(log, 'd', 9);
  {
    ChunkReader r(nullptr, 0, 0);
    for (Recorder* cb : {&a, &b, &c, &d}) r.RegisterPostLoadCallback(cb);
    r.RunPostLoadCallbacks();
  }
  EXPECT_EQ(log, "bacd");  // each ran once: nothing is left to abandon

  log.clear();
  {
    ChunkReader r(nullptr, 0, 0);
    r.RegisterPostLoadCallback(&a);
    r.RegisterPostLoadCallback(&b);
  }
  EXPECT_EQ(log, "--");
}

}  // namespace
