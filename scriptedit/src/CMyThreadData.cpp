#include "CMyThreadData.h"

#include <algorithm>

namespace vse {

CMyThreadData& CMyThreadData::Current() {
  thread_local CMyThreadData data;
  return data;
}

CVelScriptEditCtrl* CMyThreadData::Add(std::unique_ptr<CVelScriptEditCtrl> control) {
  controls_.push_back(std::move(control));
  return controls_.back().get();
}

CVelScriptEditCtrl* CMyThreadData::Find(const void* handle) const {
  if (!handle) return nullptr;
  for (const auto& control : controls_) {
    if (control.get() == handle) return control.get();
  }
  return nullptr;
}

std::unique_ptr<CVelScriptEditCtrl> CMyThreadData::Remove(const void* handle) {
  auto it = std::find_if(controls_.begin(), controls_.end(), [handle](const auto& c) { return c.get() == handle; });
  if (it == controls_.end()) return nullptr;
  std::unique_ptr<CVelScriptEditCtrl> control = std::move(*it);
  controls_.erase(it);
  return control;
}

}  // namespace vse
