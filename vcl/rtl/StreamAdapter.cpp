#include "vcl/rtl/StreamAdapter.h"

#include <algorithm>
#include <cstdint>
#include <vector>

#include "vcl/rtl/Streams.h"

TStreamAdapter::TStreamAdapter(TStream* AStream, TStreamOwnership AOwnership)
    : FStream(AStream), FOwnership(AOwnership) {}

TStreamAdapter::~TStreamAdapter() {
  if (FOwnership == soOwned) delete FStream;
}

HRESULT TStreamAdapter::QueryInterface(REFIID AIID, void** AObject) {
  if (!AObject) return E_POINTER;
  if (AIID == __uuidof(IUnknown) || AIID == __uuidof(ISequentialStream) || AIID == __uuidof(IStream)) {
    *AObject = static_cast<IStream*>(this);
    AddRef();
    return S_OK;
  }
  *AObject = nullptr;
  return E_NOINTERFACE;
}

ULONG TStreamAdapter::AddRef() { return ++FRefCount; }

ULONG TStreamAdapter::Release() {
  const ULONG count = --FRefCount;
  if (count == 0) delete this;
  return count;
}

// No exception may cross into the system's code: failures become results.
HRESULT TStreamAdapter::Read(void* ABuffer, ULONG ACount, ULONG* ARead) {
  if (!ABuffer) return STG_E_INVALIDPOINTER;
  try {
    const int64_t read = FStream->Read(ABuffer, ACount);
    if (ARead) *ARead = static_cast<ULONG>(read);
    return S_OK;
  } catch (...) {
    return S_FALSE;
  }
}

HRESULT TStreamAdapter::Write(const void* ABuffer, ULONG ACount, ULONG* AWritten) {
  if (!ABuffer) return STG_E_INVALIDPOINTER;
  try {
    const int64_t written = FStream->Write(ABuffer, ACount);
    if (AWritten) *AWritten = static_cast<ULONG>(written);
    return written == ACount ? S_OK : STG_E_CANTSAVE;
  } catch (...) {
    return STG_E_CANTSAVE;
  }
}

HRESULT TStreamAdapter::Seek(LARGE_INTEGER AMove, DWORD AOrigin, ULARGE_INTEGER* ANewPosition) {
  if (AOrigin > STREAM_SEEK_END) return STG_E_INVALIDFUNCTION;
  try {
    const int64_t position = FStream->Seek(AMove.QuadPart, static_cast<TSeekOrigin>(AOrigin));
    if (ANewPosition) ANewPosition->QuadPart = static_cast<ULONGLONG>(position);
    return S_OK;
  } catch (...) {
    return STG_E_INVALIDPOINTER;
  }
}

HRESULT TStreamAdapter::SetSize(ULARGE_INTEGER ANewSize) {
  try {
    FStream->SetSize(static_cast<int64_t>(ANewSize.QuadPart));
    return S_OK;
  } catch (...) {
    return E_UNEXPECTED;
  }
}

HRESULT TStreamAdapter::CopyTo(IStream* ATarget, ULARGE_INTEGER ACount, ULARGE_INTEGER* ARead,
                               ULARGE_INTEGER* AWritten) {
  if (!ATarget) return STG_E_INVALIDPOINTER;
  try {
    std::vector<uint8_t> buffer(0x10000);
    uint64_t left = ACount.QuadPart, read = 0, written = 0;
    HRESULT result = S_OK;
    while (left > 0 && result == S_OK) {
      const int64_t n = FStream->Read(buffer.data(), static_cast<int64_t>(std::min<uint64_t>(left, buffer.size())));
      if (n <= 0) break;
      read += n;
      ULONG done = 0;
      result = ATarget->Write(buffer.data(), static_cast<ULONG>(n), &done);
      written += done;
      left -= n;
    }
    if (ARead) ARead->QuadPart = read;
    if (AWritten) AWritten->QuadPart = written;
    return result;
  } catch (...) {
    return E_UNEXPECTED;
  }
}

HRESULT TStreamAdapter::Stat(STATSTG* AStat, DWORD AFlag) {
  if (!AStat) return STG_E_INVALIDPOINTER;
  try {
    *AStat = STATSTG{};
    AStat->type = STGTY_STREAM;
    AStat->cbSize.QuadPart = static_cast<ULONGLONG>(FStream->Size());
    AStat->grfMode = STGM_READWRITE;
    return S_OK;
  } catch (...) {
    return E_UNEXPECTED;
  }
}
