#pragma once
// Streams: TStream and the memory, file and resource streams.
#include <cstdint>
#include <vector>

#include "vcl/rtl/System.h"

struct HINSTANCE__;

enum class TSeekOrigin { soBeginning, soCurrent, soEnd };
using enum TSeekOrigin;

class TStream : public TObject {
  VCL_CLASS(TStream, TObject)
public:
  TStream() = default;

  // Read and Write move at most Count bytes and return how many they moved.
  virtual int64_t Read(void* Buffer, int64_t Count) = 0;
  virtual int64_t Write(const void* Buffer, int64_t Count) = 0;
  virtual int64_t Seek(int64_t Offset, TSeekOrigin Origin) = 0;

  int64_t Position() { return Seek(0, soCurrent); }
  void SetPosition(int64_t Value) { Seek(Value, soBeginning); }
  virtual int64_t Size();
  virtual void SetSize(int64_t NewSize);

  // Move exactly Count bytes or raise EReadError / EWriteError.
  void ReadBuffer(void* Buffer, int64_t Count);
  void WriteBuffer(const void* Buffer, int64_t Count);
  // Copies Count bytes from Source's position; Count 0 copies all of
  // Source from its start. Returns the bytes copied.
  int64_t CopyFrom(TStream* Source, int64_t Count);
};

// A stream over a block of memory it does not grow; base of the memory and
// resource streams.
class TCustomMemoryStream : public TStream {
  VCL_CLASS(TCustomMemoryStream, TStream)
public:
  int64_t Read(void* Buffer, int64_t Count) override;
  int64_t Seek(int64_t Offset, TSeekOrigin Origin) override;
  int64_t Size() override { return FSize; }
  const void* Memory() const { return FMemory; }
  void SaveToStream(TStream* Stream) const;
  void SaveToFile(const String& FileName) const;

protected:
  TCustomMemoryStream() = default;
  void SetPointer(const uint8_t* Memory, int64_t Size);
  int64_t FPosition = 0;

private:
  const uint8_t* FMemory = nullptr;
  int64_t FSize = 0;
};

class TMemoryStream : public TCustomMemoryStream {
  VCL_CREATABLE_CLASS(TMemoryStream, TCustomMemoryStream)
public:
  TMemoryStream() = default;
  ~TMemoryStream() override;
  int64_t Write(const void* Buffer, int64_t Count) override;
  // Bytes added by growing are zero.
  void SetSize(int64_t NewSize) override;
  void* Memory() { return FBlock; }
  void Clear();
  void LoadFromStream(TStream* Stream);
  void LoadFromFile(const String& FileName);

protected:
  // Gives the block a new capacity of NewCapacity bytes (which it may round
  // up) keeping its bytes, and returns it; null for 0. A descendant that
  // takes its memory elsewhere overrides it and calls Clear in its own
  // destructor. Raises EStreamError when no memory is left.
  virtual void* Realloc(int64_t& NewCapacity);
  int64_t Capacity() const { return FCapacity; }

private:
  void SetCapacity(int64_t NewCapacity);
  // Grows the stream to NewSize bytes; the new ones up to ZeroEnd are zero.
  void Extend(int64_t NewSize, int64_t ZeroEnd);
  void* FBlock = nullptr;
  int64_t FCapacity = 0;
};

// File modes: one access mode combined with one share mode.
constexpr uint16_t fmCreate = 0xFF00;  // create or truncate, read and write
constexpr uint16_t fmOpenRead = 0x0000;
constexpr uint16_t fmOpenWrite = 0x0001;
constexpr uint16_t fmOpenReadWrite = 0x0002;
constexpr uint16_t fmShareCompat = 0x0000;
constexpr uint16_t fmShareExclusive = 0x0010;
constexpr uint16_t fmShareDenyWrite = 0x0020;
constexpr uint16_t fmShareDenyRead = 0x0030;
constexpr uint16_t fmShareDenyNone = 0x0040;

class TFileStream : public TStream {
  VCL_CLASS(TFileStream, TStream)
public:
  // Raises EFCreateError / EFOpenError with the file name and the system's
  // reason.
  TFileStream(const String& AFileName, uint16_t Mode);
  ~TFileStream() override;

  int64_t Read(void* Buffer, int64_t Count) override;
  int64_t Write(const void* Buffer, int64_t Count) override;
  int64_t Seek(int64_t Offset, TSeekOrigin Origin) override;
  void SetSize(int64_t NewSize) override;
  const String& FileName() const { return FFileName; }
  void* Handle() const { return FHandle; }

private:
  String FFileName;
  void* FHandle;
};

// Reads a resource of a module (the program's own when Instance is null).
// Raises EResNotFound when the module has no such resource.
class TResourceStream : public TCustomMemoryStream {
  VCL_CLASS(TResourceStream, TCustomMemoryStream)
public:
  TResourceStream(HINSTANCE__* Instance, const String& ResName, const wchar_t* ResType);
  TResourceStream(HINSTANCE__* Instance, int ResID, const wchar_t* ResType);
  int64_t Write(const void* Buffer, int64_t Count) override;

private:
  void Initialize(HINSTANCE__* Instance, const wchar_t* Name, const wchar_t* ResType,
                  const String& DisplayName);
};
