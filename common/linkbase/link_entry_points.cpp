// The seven exports of a soft-PLC link, compiled into each link with its application
// object's header named by ORV_LINK_APP_HEADER (each link defines its own TheApp()).
#include ORV_LINK_APP_HEADER
#include "ui/resource_context.h"

using orv::softplc::Guarded;
using orv::softplc::GuardedVoid;
using orv::softplc::TheApp;

extern "C" {

void __cdecl CloseDLL() {
  ORV_MANAGE_RESOURCES();
  GuardedVoid([] { TheApp().CloseDLL(); });
}

int __cdecl Configure() {
  ORV_MANAGE_RESOURCES();
  return Guarded(0, [] { return TheApp().Configure(); });
}

void __cdecl GenerateDriverWorksheet(int writeConfiguration, int writeWorksheet) {
  ORV_MANAGE_RESOURCES();
  GuardedVoid([=] { TheApp().GenerateDriverWorksheet(writeConfiguration != 0, writeWorksheet != 0); });
}

int __cdecl GetTagNameHead() {
  ORV_MANAGE_RESOURCES();
  return Guarded(0, [] { return TheApp().GetTagNameHead(); });
}

int __cdecl GetTagNameNext(wchar_t* name, int* arraySize, int* type, wchar_t* description, int* skip) {
  ORV_MANAGE_RESOURCES();
  return Guarded(0, [=] {
    orv::softplc::TagRecord record;
    int result = TheApp().GetTagNameNext(record);
    orv::softplc::FillTagRecord(record, name, arraySize, type, description, skip);
    return result;
  });
}

int __cdecl OpenDLL() {
  ORV_MANAGE_RESOURCES();
  return Guarded(0, [] { return TheApp().OpenDLL(); });
}

int __cdecl Recreate() {
  ORV_MANAGE_RESOURCES();
  return Guarded(0, [] { return TheApp().Recreate(); });
}

}  // extern "C"
