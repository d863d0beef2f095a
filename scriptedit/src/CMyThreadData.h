// The live control list of the calling thread: the only validity test of a handle.
#pragma once
#include <memory>
#include <vector>

#include "CVelScriptEditCtrl.h"

namespace vse {

class CMyThreadData {
 public:
  // The calling thread's list, created on its first use.
  static CMyThreadData& Current();

  CVelScriptEditCtrl* Add(std::unique_ptr<CVelScriptEditCtrl> control);
  // The control when the handle is in this thread's list, else null.
  CVelScriptEditCtrl* Find(const void* handle) const;
  // Takes the control out of the list (the caller deletes it).
  std::unique_ptr<CVelScriptEditCtrl> Remove(const void* handle);

 private:
  std::vector<std::unique_ptr<CVelScriptEditCtrl>> controls_;
};

}  // namespace vse
