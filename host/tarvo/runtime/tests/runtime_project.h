// A project of our own in a temporary folder, for the tests of the running project:
// every test run gets its own shared tables, named after its project file.
#pragma once
#include <windows.h>

#include <string>

#include "process/run_process.h"
#include "tarvo.h"
#include "text/utf16le.h"

namespace tarvo::testing {

// Tag database file of the project, in its Database folder.
inline const wchar_t kTagDatabaseFile[] = L"Tags.tdb";

inline const wchar_t kTestTags[] =
    L"ORVANE-TAGS\t1\r\n"
    L"CLASS\tMotor\r\n"
    L"MEMBER\tSpeed\t2\r\n"
    L"MEMBER\tState\t3\r\n"
    L"TAG\tFlag\t0\t0\t-\r\n"
    L"TAG\tCount\t1\t0\t-\r\n"
    L"TAG\tLevel\t2\t0\tT\r\n"
    L"TAG\tText\t3\t0\t-\r\n"
    L"TAG\tArr\t1\t3\t-\r\n"
    L"TAG\tIdx\t1\t0\t-\r\n"
    L"TAG\tPtr\t3\t0\tI\r\n"
    L"TAG\tPump\tMotor\t0\tA\r\n"
    L"TAG\tSrc\t1\t0\t-\r\n"
    L"TAG\tDst\t1\t0\t-\r\n";

class RuntimeProject {
 public:
  RuntimeProject() : folder_(L"orvrt") {
    CreateDirectoryW((folder_ / L"Database").c_str(), nullptr);
    CreateDirectoryW((folder_ / L"Config").c_str(), nullptr);
    CreateDirectoryW((folder_ / L"Screen").c_str(), nullptr);
    CreateDirectoryW((folder_ / L"Web").c_str(), nullptr);
    orv::testing::WriteFileBytes(ini(), orv::ToUtf16LE(L"\xFEFF[Project]\r\nName=RuntimeTest\r\n"));
    orv::testing::WriteFileBytes(folder_ / (std::wstring(L"Database\\") + kTagDatabaseFile),
                                 orv::ToUtf16LE(std::wstring(L"\xFEFF") + kTestTags));
  }
  std::wstring ini() const { return folder_ / L"RuntimeTest.APP"; }
  const std::wstring& folder() const { return folder_.path(); }
  // Makes it the current project of this process and opens its tag database.
  bool Open() const { return APSetAppIniPath(ini().c_str()) && APSetAppPath(folder().c_str()) && DBOpen(); }

 private:
  orv::testing::TempFolder folder_;
};

inline TAGREF Ref(const wchar_t* name) {
  TAGREF ref{};
  DBGetVar(&ref, name);
  return ref;
}

}  // namespace tarvo::testing
