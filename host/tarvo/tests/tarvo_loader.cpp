#include "tarvo_loader.h"

#include <cstdlib>

namespace tarvo::test {

TarvoLibrary::TarvoLibrary() : module_(LoadLibraryW((orv::testing::ProgramFolder() + L"tarvo.dll").c_str())) {}

bool CopyTree(const std::wstring& from, const std::wstring& to) {
  CreateDirectoryW(to.c_str(), nullptr);
  WIN32_FIND_DATAW data;
  HANDLE find = FindFirstFileW((from + L"\\*").c_str(), &data);
  if (find == INVALID_HANDLE_VALUE) return false;
  bool ok = true;
  do {
    const std::wstring name = data.cFileName;
    if (name == L"." || name == L"..") continue;
    if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
      ok = CopyTree(from + L"\\" + name, to + L"\\" + name) && ok;
    else
      ok = CopyFileW((from + L"\\" + name).c_str(), (to + L"\\" + name).c_str(), FALSE) && ok;
  } while (FindNextFileW(find, &data));
  FindClose(find);
  return ok;
}

std::wstring SampleProjectSource() {
  const char* root = std::getenv("ORV_SOURCE_DIR");
  std::wstring r;
  if (root)
    for (const char* p = root; *p; ++p) r += static_cast<wchar_t>(*p == '/' ? '\\' : *p);
  // ORV_SOURCE_DIR is a Linux path: Wine maps "/" to drive Z:.
  if (!r.empty() && r[0] == L'\\') r = L"Z:" + r;
  return r + L"\\examples\\SampleProject";
}

SampleProjectCopy::SampleProjectCopy(const TarvoLibrary& lib) : lib_(lib), temp_(L"tarvo") {
  folder_ = temp_.path() + L"\\SampleProject";
  CopyTree(SampleProjectSource(), folder_);
  TARVO_FN(lib_, APSetAppIniPath);
  TARVO_FN(lib_, APSetAppPath);
  TARVO_FN(lib_, DBClose);
  TARVO_FN(lib_, DBOpen);
  APSetAppIniPath(ini().c_str());
  APSetAppPath(folder_.c_str());
  DBClose(0);
  DBOpen();
}

SampleProjectCopy::~SampleProjectCopy() {
  TARVO_FN(lib_, APSetAppIniPath);
  TARVO_FN(lib_, APSetAppPath);
  TARVO_FN(lib_, DBClose);
  DBClose(0);
  APSetAppIniPath(L"");
  APSetAppPath(L"");
}

}  // namespace tarvo::test
