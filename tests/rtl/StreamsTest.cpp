#include <gtest/gtest.h>

#include "vcl/rtl/Streams.h"
#include "vcl/rtl/SysUtils.h"

namespace {
std::string ContentOf(TStream& s) {
  std::string bytes(static_cast<size_t>(s.Size()), '\0');
  s.SetPosition(0);
  s.ReadBuffer(bytes.data(), s.Size());
  return bytes;
}
}  // namespace

TEST(Streams, MemoryStreamReadWriteSeek) {
  TMemoryStream m;
  m.WriteBuffer("hello world", 11);
  EXPECT_EQ(m.Size(), 11);
  m.Seek(-5, soEnd);
  m.WriteBuffer("there!", 6);  // grows past the end
  EXPECT_EQ(ContentOf(m), "hello there!");
  m.SetPosition(20);           // beyond the end: reads nothing
  char c;
  EXPECT_EQ(m.Read(&c, 1), 0);
  EXPECT_THROW(m.ReadBuffer(&c, 1), EReadError);
  EXPECT_THROW(m.Seek(-1, soBeginning), EStreamError);
  m.SetSize(5);
  EXPECT_EQ(ContentOf(m), "hello");
  m.Clear();
  EXPECT_EQ(m.Size(), 0);
}

TEST(Streams, FileStreamRoundTripAndCopy) {
  const String path = L"stream-roundtrip.bin";
  {
    TFileStream f(path, fmCreate);
    TMemoryStream m;
    std::string data(200000, '\0');
    for (size_t i = 0; i < data.size(); ++i) data[i] = static_cast<char>(i * 7);
    m.WriteBuffer(data.data(), static_cast<int64_t>(data.size()));
    EXPECT_EQ(f.CopyFrom(&m, 0), 200000);  // 0: all of the source, from its start
  }
  TFileStream f(path, fmOpenReadWrite);
  EXPECT_EQ(f.Size(), 200000);
  f.SetSize(10);
  EXPECT_EQ(f.Size(), 10);
  TMemoryStream copy;
  copy.LoadFromStream(&f);
  EXPECT_EQ(ContentOf(copy), ContentOf(f));
  f.SetPosition(8);
  char buffer[4];
  EXPECT_EQ(f.Read(buffer, 4), 2);
}

TEST(Streams, OpenErrorsNameTheFile) {
  try {
    TFileStream f(L"no-such-dir\\missing.txt", fmOpenRead);
    FAIL();
  } catch (const EFOpenError& e) {
    EXPECT_EQ(Pos(L"Cannot open file \"no-such-dir\\missing.txt\".", e.Message()), 1) << ToUtf8(e.Message());
  }
  EXPECT_THROW(TFileStream(L"no-such-dir\\new.txt", fmCreate), EFCreateError);
  // Sharing: a file open for writing with "deny write" cannot be opened for writing again.
  TFileStream first(L"shared.txt", fmCreate | fmShareDenyWrite);
  EXPECT_THROW(TFileStream(L"shared.txt", fmOpenWrite), EFOpenError);
}

TEST(Streams, ResourceStreamReadsTheProgramsResource) {
  TResourceStream r(nullptr, L"SAMPLETEXT", MAKEINTRESOURCEW(10));  // RT_RCDATA
  EXPECT_EQ(ContentOf(r), "resource data");
  EXPECT_THROW(r.WriteBuffer("x", 1), EStreamError);
  try {
    TResourceStream missing(nullptr, L"NOSUCH", MAKEINTRESOURCEW(10));
    FAIL();
  } catch (const EResNotFound& e) {
    EXPECT_EQ(e.Message(), L"Resource NOSUCH not found");
  }
}
