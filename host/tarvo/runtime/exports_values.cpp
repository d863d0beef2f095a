// Tag values of the running project: UNFindVar, UNTypeVar, UNReadString,
// UNWriteString2, UNGetQuality.
#include "runtime_text.h"
#include "shared_runtime.h"

using orv::runtime::kFirstClass;
using orv::runtime::ResolvedRef;
using orv::runtime::WriteResult;
using orv::runtime::RuntimeTables;
using orv::runtime::ValueStore;
using tarvo::runtime::SharedRuntime;
using tarvo::runtime::ToRefData;

namespace {

ResolvedRef ResolveShared(const TAGREF& ref) {
  ResolvedRef r;
  SharedRuntime::Instance().With([&](RuntimeTables&, ValueStore& values) { r = values.Resolve(ToRefData(ref)); });
  return r;
}

}  // namespace

extern "C" {

BOOL WINAPI UNFindVar(const TAGREF* pRef, int /*nReserved*/, TAGDESC* pDesc, int /*nMode*/) {
  if (pRef == nullptr) return FALSE;
  ResolvedRef r = ResolveShared(*pRef);
  if (pDesc != nullptr) {
    *pDesc = TAGDESC{};
    if (r.known) {
      pDesc->nType = r.type;
      pDesc->nArraySize = r.arraySize;
      pDesc->dwFlags = r.type >= 0 && r.type < kFirstClass ? static_cast<uint32_t>(r.type) & TAGDESC_TYPE_MASK : 0;
      if (!r.usable) pDesc->dwFlags |= TAGDESC_UNUSABLE;
      if (r.tagFlags & orv::runtime::kTagTrend) pDesc->dwFlags |= TAGDESC_TREND;
      pDesc->dwAlarmFlags = r.tagFlags & orv::runtime::kTagAlarm;
    } else {
      pDesc->nType = -1;
      pDesc->dwFlags = TAGDESC_UNUSABLE;
    }
  }
  return r.known ? TRUE : FALSE;
}

int WINAPI UNTypeVar(const TAGREF* pRef) {
  if (pRef == nullptr) return -1;
  ResolvedRef r = ResolveShared(*pRef);
  return r.known ? r.type : -1;
}

BOOL WINAPI UNReadString(const TAGREF* pRef, wchar_t* pszBuffer, int nSize) {
  bool read = false;
  std::wstring text;
  if (pRef != nullptr) {
    std::uint16_t quality = 0;
    SharedRuntime::Instance().With(
        [&](RuntimeTables&, ValueStore& values) { read = values.Read(ToRefData(*pRef), text, quality); });
  }
  const bool fits = orv::runtime::CopyToCaller(pszBuffer, nSize, read ? text : std::wstring());
  return read && fits ? TRUE : FALSE;  // a value cut to the buffer is not a value read
}

BOOL WINAPI UNWriteString2(const TAGREF* pRef, const wchar_t* pszValue, int nQuality, int /*nReserved1*/,
                           int nMarker, int /*nReserved2*/) {
  if (pRef == nullptr || pszValue == nullptr) return FALSE;
  WriteResult result = WriteResult::kRefused;
  std::vector<std::uint64_t> windows;
  const std::wstring value = pszValue;
  SharedRuntime::Instance().With([&](RuntimeTables& tables, ValueStore& values) {
    ResolvedRef where;
    result = values.Write(ToRefData(*pRef), value, nQuality, nMarker, &where);
    if (result == WriteResult::kChanged) windows = tables.DeliverChange(where.key.tag, where.key.index);
  });
  tarvo::runtime::NotifyWindows(windows);  // outside the lock: a window may answer at once
  return result == WriteResult::kChanged || result == WriteResult::kUnchanged ? TRUE : FALSE;
}

WORD WINAPI UNGetQuality(const TAGREF* pRef) {
  if (pRef == nullptr) return TARVO_QUALITY_BAD;
  bool read = false;
  std::wstring text;
  std::uint16_t quality = TARVO_QUALITY_BAD;
  SharedRuntime::Instance().With(
      [&](RuntimeTables&, ValueStore& values) { read = values.Read(ToRefData(*pRef), text, quality); });
  return read ? quality : static_cast<WORD>(TARVO_QUALITY_BAD);
}

}  // extern "C"
