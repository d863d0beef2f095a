// The value store's view of the process's open tag database (the DB... calls).
#pragma once
#include "tag_catalog.h"
#include "tarvo.h"

namespace tarvo::runtime {

using orv::runtime::TagRefData;

TagRefData ToRefData(const TAGREF& ref);

class DbCatalog : public orv::runtime::TagCatalog {
 public:
  bool Info(std::int32_t tag, orv::runtime::TagInfo& out) const override;
  std::int32_t MemberType(std::int32_t tag, std::int32_t member) const override;
  bool Lookup(const std::wstring& name, TagRefData& out) const override;
};

}  // namespace tarvo::runtime
