// The library's application object: loads the rich edit window class once per process.
#pragma once
#include "win/unique_resource.h"

namespace vse {

class CVelScriptEditApp {
 public:
  static CVelScriptEditApp& Instance();
  // The rich edit library stays loaded for the life of this library.
  bool InitRichEdit();

 private:
  orv::win::UniqueModule richEdit_;
};

}  // namespace vse
