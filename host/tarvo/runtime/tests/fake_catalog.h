// A small tag database for the value store's tests.
#pragma once
#include <map>
#include <vector>
#include <string>

#include "tag_catalog.h"

namespace orv::runtime::testing {

struct FakeTag {
  std::wstring name;
  TagInfo info;
  std::map<std::int32_t, std::int32_t> memberTypes;  // member number -> type
};

class FakeCatalog : public TagCatalog {
 public:
  int Add(const std::wstring& name, std::int32_t type, std::int32_t arraySize = 0,
          std::map<std::int32_t, std::int32_t> members = {}, std::uint32_t flags = 0) {
    tags_.push_back(FakeTag{name, TagInfo{type, arraySize, flags}, std::move(members)});
    return static_cast<int>(tags_.size());  // numbers from 1, as in the database
  }
  bool Info(std::int32_t tag, TagInfo& out) const override {
    if (tag < 1 || tag > static_cast<std::int32_t>(tags_.size())) return false;
    out = tags_[tag - 1].info;
    return true;
  }
  std::int32_t MemberType(std::int32_t tag, std::int32_t member) const override {
    if (tag < 1 || tag > static_cast<std::int32_t>(tags_.size())) return -1;
    const auto& members = tags_[tag - 1].memberTypes;
    auto it = members.find(member);
    return it == members.end() ? -1 : it->second;
  }
  bool Lookup(const std::wstring& name, TagRefData& out) const override {
    for (std::size_t i = 0; i < tags_.size(); ++i) {
      if (tags_[i].name == name) {
        out = TagRefData{};
        out.tag = static_cast<std::int32_t>(i) + 1;
        return true;
      }
    }
    return false;
  }

 private:
  std::vector<FakeTag> tags_;
};

}  // namespace orv::runtime::testing
