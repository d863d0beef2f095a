#include "class_factory.h"

#include <new>

#include "CFolvaPdfOptions.h"
#include "server_module.h"

namespace orv::pdf::win {
namespace {

class CFolvaClassFactory final : public IClassFactory {
 public:
  CFolvaClassFactory() { AddServerLock(); }
  ~CFolvaClassFactory() { ReleaseServerLock(); }
  CFolvaClassFactory(const CFolvaClassFactory&) = delete;
  CFolvaClassFactory& operator=(const CFolvaClassFactory&) = delete;

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
    if (!object) return E_POINTER;
    if (iid == IID_IUnknown || iid == IID_IClassFactory) {
      *object = static_cast<IClassFactory*>(this);
      AddRef();
      return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return static_cast<ULONG>(::InterlockedIncrement(&refs_)); }
  ULONG STDMETHODCALLTYPE Release() override {
    LONG left = ::InterlockedDecrement(&refs_);
    if (left == 0) delete this;
    return static_cast<ULONG>(left);
  }
  HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* outer, REFIID iid, void** object) override {
    if (!object) return E_POINTER;
    *object = nullptr;
    if (outer) return CLASS_E_NOAGGREGATION;
    return CreateFolvaPdfOptions(iid, object);
  }
  HRESULT STDMETHODCALLTYPE LockServer(BOOL lock) override {
    if (lock) {
      AddServerLock();
    } else {
      ReleaseServerLock();
    }
    return S_OK;
  }

 private:
  LONG refs_ = 1;
};

}  // namespace

HRESULT GetFolvaClassFactory(REFIID iid, void** factory) {
  auto* created = new (std::nothrow) CFolvaClassFactory();
  if (!created) return E_OUTOFMEMORY;
  HRESULT hr = created->QueryInterface(iid, factory);
  created->Release();
  return hr;
}

}  // namespace orv::pdf::win
