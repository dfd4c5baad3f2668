#pragma once
// TStreamAdapter: the platform's IStream over a TStream, for system code
// that reads or writes through COM streams (GDI+, for one).
#include <atomic>

#include "vcl/rtl/WinApi.h"

#include <objidl.h>

class TStream;

enum class TStreamOwnership { soReference, soOwned };
using enum TStreamOwnership;

// Reference counted: it starts with one reference, which its creator gives
// back with Release. An owned stream is freed with the adapter.
class TStreamAdapter : public IStream {
public:
  TStreamAdapter(TStream* AStream, TStreamOwnership AOwnership = soReference);
  TStreamAdapter(const TStreamAdapter&) = delete;
  TStreamAdapter& operator=(const TStreamAdapter&) = delete;
  TStream* Stream() const { return FStream; }

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID AIID, void** AObject) override;
  ULONG STDMETHODCALLTYPE AddRef() override;
  ULONG STDMETHODCALLTYPE Release() override;
  HRESULT STDMETHODCALLTYPE Read(void* ABuffer, ULONG ACount, ULONG* ARead) override;
  HRESULT STDMETHODCALLTYPE Write(const void* ABuffer, ULONG ACount, ULONG* AWritten) override;
  HRESULT STDMETHODCALLTYPE Seek(LARGE_INTEGER AMove, DWORD AOrigin, ULARGE_INTEGER* ANewPosition) override;
  HRESULT STDMETHODCALLTYPE SetSize(ULARGE_INTEGER ANewSize) override;
  HRESULT STDMETHODCALLTYPE CopyTo(IStream* ATarget, ULARGE_INTEGER ACount, ULARGE_INTEGER* ARead,
                                   ULARGE_INTEGER* AWritten) override;
  HRESULT STDMETHODCALLTYPE Commit(DWORD) override { return S_OK; }
  HRESULT STDMETHODCALLTYPE Revert() override { return STG_E_REVERTED; }
  HRESULT STDMETHODCALLTYPE LockRegion(ULARGE_INTEGER, ULARGE_INTEGER, DWORD) override {
    return STG_E_INVALIDFUNCTION;
  }
  HRESULT STDMETHODCALLTYPE UnlockRegion(ULARGE_INTEGER, ULARGE_INTEGER, DWORD) override {
    return STG_E_INVALIDFUNCTION;
  }
  // The size and the stream type, every other field zero (no name).
  HRESULT STDMETHODCALLTYPE Stat(STATSTG* AStat, DWORD AFlag) override;
  HRESULT STDMETHODCALLTYPE Clone(IStream** AClone) override { return E_NOTIMPL; }

protected:
  virtual ~TStreamAdapter();

private:
  TStream* FStream;
  TStreamOwnership FOwnership;
  std::atomic<ULONG> FRefCount{1};
};
