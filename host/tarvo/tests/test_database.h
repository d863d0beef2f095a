// A small tag database shared by the core tests.
#pragma once
#include <string>

#include "core/tag_database.h"
#include "text/utf16le.h"

namespace tarvo::test {

inline std::string DatabaseBytes(const std::wstring& body) {
  std::string bytes("\xFF\xFE", 2);
  orv::AppendUtf16LE(bytes, L"ORVANE-TAGS\t1\r\n" + body);
  return bytes;
}

inline const wchar_t* kSampleBody =
    L"# sample\r\n"
    L"CLASS\tMotor\r\n"
    L"MEMBER\tSpeed\t2\r\n"
    L"MEMBER\tRunning\t0\r\n"
    L"MEMBER\tLabel\t3\r\n"
    L"TAG\tLevel\t2\t0\tAT\tTank level\r\n"
    L"TAG\tCounter\t1\t0\t-\r\n"
    L"TAG\tValves\t0\t10\t-\r\n"
    L"TAG\tPump\tMotor\t3\t-\r\n"
    L"TAG\tPointer\t1\t0\tI\r\n"
    L"TAG\tMessage\t3\t0\t-\r\n"
    L"TAG\tTemp\u00e9rature\t2\t0\t-\r\n"
    L"TAG\tRecipe\t3\t5\t-\r\n";

inline TagDatabase SampleDatabase() {
  TagDatabase db;
  std::wstring error;
  db.Load(DatabaseBytes(kSampleBody), error);
  return db;
}

}  // namespace tarvo::test
