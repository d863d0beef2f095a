// Double of RevidadEdozaDizu's data export library "DataExp3.DLL", answering from
// "dataexp_fixture.ini" beside it:
//   [project] result=<answer> name= version= status=
//   [head] result=<answer of GetTagNameHead>
//   [variables] count=N, <i>=name|data type|dimensions|length
#include <windows.h>

#include <string>

#include "fixture_file.h"

namespace {

using namespace orv::doubles;

std::wstring Fixture() {
  static const int anchor = 0;
  return FixtureBeside(&anchor, L"dataexp_fixture.ini");
}

int Field(const std::wstring& entry, int index) {
  std::size_t pos = 0;
  for (int i = 0; i < index && pos != std::wstring::npos; ++i) {
    pos = entry.find(L'|', pos);
    if (pos != std::wstring::npos) ++pos;
  }
  return pos == std::wstring::npos ? 0 : _wtoi(entry.c_str() + pos);
}

}  // namespace

extern "C" {

int WINAPI GetRunningProjectInfo(char* name, int size, unsigned int* version, int* status) {
  CopyNarrow(FixtureString(Fixture(), L"project", L"name"), name, size);
  if (version) *version = static_cast<unsigned int>(wcstoul(FixtureString(Fixture(), L"project", L"version", L"0").c_str(), nullptr, 10));
  if (status) *status = FixtureInt(Fixture(), L"project", L"status");
  return FixtureInt(Fixture(), L"project", L"result");
}

int WINAPI GetTagNameHead(int* handle) {
  int result = FixtureInt(Fixture(), L"head", L"result");
  if (handle) *handle = FixtureInt(Fixture(), L"variables", L"count") > 0 ? 1 : 0;
  return result;
}

int WINAPI GetTagNameNext(int* handle, char* name, int size, int* dataType, int* dimensions, int* length, int* a,
                          int* b, int* c) {
  int count = FixtureInt(Fixture(), L"variables", L"count");
  if (!handle || *handle < 1 || *handle > count) return 1;
  std::wstring entry = FixtureString(Fixture(), L"variables", std::to_wstring(*handle));
  CopyNarrow(entry.substr(0, entry.find(L'|')), name, size);
  *dataType = Field(entry, 1);
  *dimensions = Field(entry, 2);
  *length = Field(entry, 3);
  *a = *b = *c = 0;
  *handle = *handle < count ? *handle + 1 : 0;
  return 0;
}

}  // extern "C"
