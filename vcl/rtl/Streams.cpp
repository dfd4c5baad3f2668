#include "vcl/rtl/Streams.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "vcl/rtl/SysUtils.h"
#include "vcl/rtl/WinApi.h"

// ---------------------------------------------------------------- TStream

int64_t TStream::Size() {
  const int64_t position = Seek(0, soCurrent);
  const int64_t size = Seek(0, soEnd);
  Seek(position, soBeginning);
  return size;
}

void TStream::SetSize(int64_t NewSize) {
  throw EStreamError(Format(L"%s does not support changing its size", {ClassName()}));
}

void TStream::ReadBuffer(void* Buffer, int64_t Count) {
  if (Count > 0 && Read(Buffer, Count) != Count) throw EReadError(L"Stream read error");
}

void TStream::WriteBuffer(const void* Buffer, int64_t Count) {
  if (Count > 0 && Write(Buffer, Count) != Count) throw EWriteError(L"Stream write error");
}

int64_t TStream::CopyFrom(TStream* Source, int64_t Count) {
  if (Count == 0) {
    Source->SetPosition(0);
    Count = Source->Size();
  }
  constexpr int64_t BufferSize = 0xF000;
  std::vector<uint8_t> buffer(static_cast<size_t>(std::min(Count, BufferSize)));
  int64_t left = Count;
  while (left > 0) {
    const int64_t n = std::min(left, BufferSize);
    Source->ReadBuffer(buffer.data(), n);
    WriteBuffer(buffer.data(), n);
    left -= n;
  }
  return Count;
}

// ---------------------------------------------------------------- memory

void TCustomMemoryStream::SetPointer(const uint8_t* Memory, int64_t Size) {
  FMemory = Memory;
  FSize = Size;
}

int64_t TCustomMemoryStream::Read(void* Buffer, int64_t Count) {
  if (Count <= 0 || FPosition >= FSize) return 0;
  const int64_t n = std::min(Count, FSize - FPosition);
  std::memcpy(Buffer, FMemory + FPosition, static_cast<size_t>(n));
  FPosition += n;
  return n;
}

int64_t TCustomMemoryStream::Seek(int64_t Offset, TSeekOrigin Origin) {
  const int64_t base = Origin == soBeginning ? 0 : Origin == soCurrent ? FPosition : FSize;
  if (base + Offset < 0) throw EStreamError(L"Invalid stream position");
  FPosition = base + Offset;
  return FPosition;
}

void TCustomMemoryStream::SaveToStream(TStream* Stream) const {
  Stream->WriteBuffer(FMemory, FSize);
}

void TCustomMemoryStream::SaveToFile(const String& FileName) const {
  TFileStream file(FileName, fmCreate);
  SaveToStream(&file);
}

TMemoryStream::~TMemoryStream() { Clear(); }

void* TMemoryStream::Realloc(int64_t& NewCapacity) {
  constexpr int64_t Delta = 0x2000;  // grow in steps, not byte by byte
  if (NewCapacity > 0 && NewCapacity != Size()) NewCapacity = (NewCapacity + Delta - 1) & ~(Delta - 1);
  if (NewCapacity == FCapacity) return FBlock;
  if (NewCapacity == 0) {
    std::free(FBlock);
    return nullptr;
  }
  void* block = std::realloc(FBlock, static_cast<size_t>(NewCapacity));
  if (!block) throw EStreamError(L"Out of memory while expanding memory stream");
  return block;
}

void TMemoryStream::SetCapacity(int64_t NewCapacity) {
  FBlock = Realloc(NewCapacity);
  FCapacity = FBlock ? NewCapacity : 0;
}

void TMemoryStream::Extend(int64_t NewSize, int64_t ZeroEnd) {
  const int64_t oldSize = Size();
  if (NewSize > FCapacity) SetCapacity(NewSize);
  if (ZeroEnd > oldSize) std::memset(static_cast<uint8_t*>(FBlock) + oldSize, 0, static_cast<size_t>(ZeroEnd - oldSize));
  SetPointer(static_cast<uint8_t*>(FBlock), NewSize);
}

int64_t TMemoryStream::Write(const void* Buffer, int64_t Count) {
  if (Count <= 0) return 0;
  const int64_t end = FPosition + Count;
  if (end > Size()) Extend(end, FPosition);  // a gap left by seeking past the end is zero
  std::memcpy(static_cast<uint8_t*>(FBlock) + FPosition, Buffer, static_cast<size_t>(Count));
  FPosition = end;
  return Count;
}

void TMemoryStream::SetSize(int64_t NewSize) {
  if (NewSize < 0) throw EStreamError(L"Invalid stream size");
  if (NewSize > Size()) {
    Extend(NewSize, NewSize);
  } else {
    SetCapacity(NewSize);
    SetPointer(static_cast<uint8_t*>(FBlock), NewSize);
  }
  FPosition = std::min(FPosition, NewSize);
}

void TMemoryStream::Clear() {
  SetCapacity(0);
  SetPointer(nullptr, 0);
  FPosition = 0;
}

void TMemoryStream::LoadFromStream(TStream* Stream) {
  Stream->SetPosition(0);
  const int64_t size = Stream->Size();
  SetPointer(static_cast<uint8_t*>(FBlock), 0);
  if (size > FCapacity) SetCapacity(size);
  Stream->ReadBuffer(FBlock, size);
  SetPointer(static_cast<uint8_t*>(FBlock), size);
  FPosition = 0;
}

void TMemoryStream::LoadFromFile(const String& FileName) {
  TFileStream file(FileName, fmOpenRead | fmShareDenyWrite);
  LoadFromStream(&file);
}

// ---------------------------------------------------------------- file

namespace {
bool IsCreateMode(uint16_t Mode) { return (Mode & 0xFF00) == fmCreate; }

HANDLE OpenFileHandle(const String& FileName, uint16_t Mode) {
  static const DWORD access[] = {GENERIC_READ, GENERIC_WRITE, GENERIC_READ | GENERIC_WRITE};
  static const DWORD share[] = {0, 0, FILE_SHARE_READ, FILE_SHARE_WRITE,
                                FILE_SHARE_READ | FILE_SHARE_WRITE};
  const unsigned accessMode = IsCreateMode(Mode) ? 2 : Mode & 3;
  const unsigned shareMode = (Mode & 0xF0) >> 4;
  if (accessMode > 2 || shareMode > 4) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return INVALID_HANDLE_VALUE;
  }
  return CreateFileW(FileName.c_str(), access[accessMode], share[shareMode], nullptr,
                     IsCreateMode(Mode) ? CREATE_ALWAYS : OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL,
                     nullptr);
}
}  // namespace

TFileStream::TFileStream(const String& AFileName, uint16_t Mode)
    : FFileName(AFileName), FHandle(OpenFileHandle(AFileName, Mode)) {
  if (FHandle == INVALID_HANDLE_VALUE) {
    const DWORD error = GetLastError();
    const bool create = IsCreateMode(Mode);
    const wchar_t* what = create ? L"Cannot create file \"%s\". %s" : L"Cannot open file \"%s\". %s";
    const String message = Format(what, {AFileName, SysErrorMessage(error)});
    if (create) throw EFCreateError(message);
    throw EFOpenError(message);
  }
}

TFileStream::~TFileStream() { CloseHandle(FHandle); }

int64_t TFileStream::Read(void* Buffer, int64_t Count) {
  int64_t total = 0;
  auto* bytes = static_cast<uint8_t*>(Buffer);
  while (total < Count) {
    const DWORD chunk = static_cast<DWORD>(std::min<int64_t>(Count - total, 0x40000000));
    DWORD done = 0;
    if (!ReadFile(FHandle, bytes + total, chunk, &done, nullptr)) RaiseLastOSError();
    if (done == 0) break;
    total += done;
  }
  return total;
}

int64_t TFileStream::Write(const void* Buffer, int64_t Count) {
  int64_t total = 0;
  auto* bytes = static_cast<const uint8_t*>(Buffer);
  while (total < Count) {
    const DWORD chunk = static_cast<DWORD>(std::min<int64_t>(Count - total, 0x40000000));
    DWORD done = 0;
    if (!WriteFile(FHandle, bytes + total, chunk, &done, nullptr)) RaiseLastOSError();
    if (done == 0) break;
    total += done;
  }
  return total;
}

int64_t TFileStream::Seek(int64_t Offset, TSeekOrigin Origin) {
  static const DWORD method[] = {FILE_BEGIN, FILE_CURRENT, FILE_END};
  LARGE_INTEGER distance, result;
  distance.QuadPart = Offset;
  if (!SetFilePointerEx(FHandle, distance, &result, method[static_cast<int>(Origin)]))
    RaiseLastOSError();
  return result.QuadPart;
}

void TFileStream::SetSize(int64_t NewSize) {
  const int64_t position = Position();
  SetPosition(NewSize);
  if (!SetEndOfFile(FHandle)) RaiseLastOSError();
  if (position < NewSize) SetPosition(position);
}

// ---------------------------------------------------------------- resource

TResourceStream::TResourceStream(HINSTANCE__* Instance, const String& ResName,
                                 const wchar_t* ResType) {
  Initialize(Instance, ResName.c_str(), ResType, ResName);
}

TResourceStream::TResourceStream(HINSTANCE__* Instance, int ResID, const wchar_t* ResType) {
  Initialize(Instance, MAKEINTRESOURCEW(ResID), ResType, IntToStr(ResID));
}

void TResourceStream::Initialize(HINSTANCE__* Instance, const wchar_t* Name,
                                 const wchar_t* ResType, const String& DisplayName) {
  if (!Instance) Instance = GetModuleHandleW(nullptr);
  // A module's resources stay mapped while the module is loaded: nothing to free.
  HRSRC info = FindResourceW(Instance, Name, ResType);
  HGLOBAL global = info ? LoadResource(Instance, info) : nullptr;
  const void* data = global ? LockResource(global) : nullptr;
  if (!data) throw EResNotFound(Format(L"Resource %s not found", {DisplayName}));
  SetPointer(static_cast<const uint8_t*>(data), SizeofResource(Instance, info));
}

int64_t TResourceStream::Write(const void* Buffer, int64_t Count) {
  throw EStreamError(L"Can't write to a read-only resource stream");
}
