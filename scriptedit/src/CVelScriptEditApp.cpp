#include "CVelScriptEditApp.h"

namespace vse {

CVelScriptEditApp& CVelScriptEditApp::Instance() {
  static CVelScriptEditApp app;
  return app;
}

bool CVelScriptEditApp::InitRichEdit() {
  if (!richEdit_) richEdit_.reset(::LoadLibraryW(L"riched20.dll"));
  return static_cast<bool>(richEdit_);
}

}  // namespace vse
