// Traces, events, dump files, the startup banner and readable place texts.
#include <windows.h>
#include <dbghelp.h>

#include <cwchar>
#include <mutex>

#include "core/text_util.h"
#include "tarvo.h"
#include "text/utf16le.h"
#include "ui/resource_context.h"
#include "win/local_settings.h"
#include "win/project_state.h"
#include "win/unique_resource.h"

using namespace tarvo;

namespace {

std::mutex g_logLock;

std::wstring LogFolder() {
  const std::wstring folder = ProjectSubfolder(L"Database");
  if (!folder.empty() && GetFileAttributesW(folder.c_str()) != INVALID_FILE_ATTRIBUTES) return folder;
  wchar_t temp[MAX_PATH + 1] = L"";
  GetTempPathW(MAX_PATH + 1, temp);
  return temp;
}

std::wstring Stamp() {
  SYSTEMTIME t;
  GetLocalTime(&t);
  return orv::ui::FormatText(L"%04u-%02u-%02u %02u:%02u:%02u.%03u [%lu] ", t.wYear, t.wMonth, t.wDay, t.wHour,
                             t.wMinute, t.wSecond, t.wMilliseconds, GetCurrentProcessId());
}

// Appends one line (UTF-16LE, the file started with a byte order mark).
void AppendLine(const wchar_t* fileName, const std::wstring& text) {
  std::lock_guard<std::mutex> lock(g_logLock);
  const std::wstring path = LogFolder() + fileName;
  orv::win::UniqueHandle file(CreateFileW(path.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                          OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return;
  std::string bytes;
  LARGE_INTEGER size{};
  if (GetFileSizeEx(file.get(), &size) && size.QuadPart == 0) bytes = "\xFF\xFE";
  orv::AppendUtf16LE(bytes, Stamp() + text + L"\r\n");
  DWORD written = 0;
  WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
}

std::wstring Text(const wchar_t* s) { return s ? s : L""; }

}  // namespace

extern "C" {

void WINAPI UNTrace(const wchar_t* text) {
  const std::wstring line = Text(text);
  OutputDebugStringW((line + L"\n").c_str());
  AppendLine(L"trace.log", line);
}

void WINAPI UNTraceDebugEx(const wchar_t* text, const wchar_t* detail, int level) {
  std::wstring line = L"(" + std::to_wstring(level) + L") " + Text(text);
  if (detail && *detail) line += L" | " + Text(detail);
  OutputDebugStringW((line + L"\n").c_str());
  AppendLine(L"trace.log", line);
}

BOOL WINAPI EVGenerateGeneralEvent(int kind, const wchar_t* text) {
  AppendLine(L"events.log", L"event " + std::to_wstring(kind) + L": " + Text(text));
  return TRUE;
}

void WINAPI UNSetMsgStartupBanner(const wchar_t* text) {
  WriteLocalString(L"StartupBanner", L"Message", Text(text));
  UNTrace((L"Startup: " + Text(text)).c_str());
}

BOOL WINAPI UNGenerateDumpFile(EXCEPTION_POINTERS* exception, wchar_t* dumpPath) {
  if (dumpPath) dumpPath[0] = L'\0';
  SYSTEMTIME t;
  GetLocalTime(&t);
  const std::wstring path =
      LogFolder() + orv::ui::FormatText(L"dump_%04u%02u%02u_%02u%02u%02u_%lu.dmp", t.wYear, t.wMonth, t.wDay, t.wHour,
                                        t.wMinute, t.wSecond, GetCurrentProcessId());
  orv::win::UniqueHandle file(
      CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return FALSE;
  MINIDUMP_EXCEPTION_INFORMATION info{};
  info.ThreadId = GetCurrentThreadId();
  info.ExceptionPointers = exception;
  info.ClientPointers = FALSE;
  const BOOL ok = MiniDumpWriteDump(GetCurrentProcess(), GetCurrentProcessId(), file.get(), MiniDumpNormal,
                                    exception ? &info : nullptr, nullptr, nullptr);
  if (!ok) {
    // Without a dump the file still records that the exception happened.
    std::string bytes("\xFF\xFE", 2);
    orv::AppendUtf16LE(bytes, L"No dump could be written for this exception.\r\n");
    DWORD written = 0;
    WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  }
  if (dumpPath) CopyToBuffer(path, dumpPath, TARVO_MAX_PATH);
  return TRUE;
}

BOOL WINAPI UNGenerateFormatedMessage(int, const wchar_t* location, int code, int p1, int p2, const wchar_t* text, int,
                                      wchar_t* buffer, int size) {
  const std::wstring where = Text(location);
  std::wstring out;
  if (text) {
    out = orv::ui::FormatText(L"Script compile error in %ls, line %d: %ls", where.c_str(), p1, text);
  } else {
    switch (code) {
      case 0: out = orv::ui::FormatText(L"%ls, field %d, column %d", where.c_str(), p1, p2); break;
      case 1: out = orv::ui::FormatText(L"%ls, object %d", where.c_str(), p1); break;
      case 2: out = orv::ui::FormatText(L"%ls, line %d", where.c_str(), p1); break;
      case 3: out = orv::ui::FormatText(L"%ls, global procedures, line %d", where.c_str(), p1); break;
      case 4: out = orv::ui::FormatText(L"%ls, startup script, line %d", where.c_str(), p1); break;
      case 5: out = orv::ui::FormatText(L"%ls, script line %d", where.c_str(), p1); break;
      case 6: out = orv::ui::FormatText(L"%ls, graphics script, line %d", where.c_str(), p1); break;
      case 7: out = orv::ui::FormatText(L"%ls, screen entry %d", where.c_str(), p1); break;
      default: out = orv::ui::FormatText(L"%ls (%d, %d, %d)", where.c_str(), code, p1, p2); break;
    }
  }
  CopyToBuffer(out, buffer, size);
  return buffer && size > 0 ? TRUE : FALSE;
}

}  // extern "C"
