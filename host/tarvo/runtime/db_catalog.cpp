#include "db_catalog.h"

#include "win/database_state.h"

namespace tarvo::runtime {

TagRefData ToRefData(const TAGREF& ref) {
  TagRefData d;
  d.tag = ref.nTag;
  d.index = ref.nIndex;
  d.indexTag = ref.nIndexTag;
  d.member = ref.nMember;
  d.field = ref.nField;
  d.flags = ref.dwFlags;
  return d;
}

bool DbCatalog::Info(std::int32_t tag, orv::runtime::TagInfo& out) const {
  auto db = CurrentDatabase();
  const TagDef* def = db ? db->Tag(tag) : nullptr;
  if (def == nullptr) return false;
  out.type = def->type;
  out.arraySize = def->arraySize;
  out.flags = def->flags & (kTagTrend | kTagAlarm);
  return true;
}

std::int32_t DbCatalog::MemberType(std::int32_t tag, std::int32_t member) const {
  auto db = CurrentDatabase();
  const TagDef* def = db ? db->Tag(tag) : nullptr;
  const ClassDef* cls = def ? db->ClassOfType(def->type) : nullptr;
  if (cls == nullptr || member < 1 || member > static_cast<std::int32_t>(cls->members.size())) return -1;
  return cls->members[static_cast<std::size_t>(member) - 1].type;
}

bool DbCatalog::Lookup(const std::wstring& name, TagRefData& out) const {
  if (name.empty()) return false;
  TAGREF ref{};
  if (!DBGetVar(&ref, name.c_str())) return false;
  out = ToRefData(ref);
  return true;
}

}  // namespace tarvo::runtime
