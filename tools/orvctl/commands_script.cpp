// script check: runs the script compiler on a script file.
#include <windows.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "command_table.h"
#include "console.h"
#include "text/utf16le.h"
#include "velscriptcompiler.h"
#include "win/unique_resource.h"

namespace orvctl {
namespace {

// UTF-16 with byte order mark, UTF-8 with its mark, else 8-bit text in the ANSI code page.
std::wstring DecodeScript(const std::string& bytes) {
  if (bytes.size() >= 2 && static_cast<unsigned char>(bytes[0]) == 0xFF && static_cast<unsigned char>(bytes[1]) == 0xFE) {
    return orv::FromUtf16LE(bytes.data() + 2, bytes.size() - 2);
  }
  if (bytes.size() >= 3 && bytes.compare(0, 3, "\xEF\xBB\xBF") == 0) return orv::FromUtf8(bytes.substr(3));
  if (bytes.empty()) return std::wstring();
  int n = ::MultiByteToWideChar(CP_ACP, 0, bytes.data(), static_cast<int>(bytes.size()), nullptr, 0);
  std::wstring text(static_cast<size_t>(n), L'\0');
  ::MultiByteToWideChar(CP_ACP, 0, bytes.data(), static_cast<int>(bytes.size()), text.data(), n);
  return text;
}

std::wstring ProgramFolder() {
  wchar_t path[MAX_PATH] = {};
  DWORD n = ::GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring folder(path, n);
  return folder.substr(0, folder.find_last_of(L"\\/") + 1);
}

int ScriptCheck(const Args& input) {
  Args args = input;
  bool procedures = TakeFlag(args, L"--procedures");
  if (args.size() != 1) return UsageError(L"usage: orvctl script check FILE [--procedures]");
  std::ifstream file(args[0].c_str(), std::ios::binary);
  if (!file) {
    Err(L"Cannot open " + args[0] + L".");
    return 1;
  }
  std::string bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
  std::wstring script = DecodeScript(bytes);

  orv::win::UniqueModule compiler(::LoadLibraryW((ProgramFolder() + VELSCRIPTCOMPILER_DLL).c_str()));
  auto compile = compiler ? reinterpret_cast<VELSCRIPTCOMPILE>(reinterpret_cast<void*>(
                                ::GetProcAddress(compiler.get(), MAKEINTRESOURCEA(VELSCRIPTCOMPILE_ORDINAL))))
                          : nullptr;
  if (!compile) {
    Err(L"Cannot load the script compiler velscriptcompiler.dll.");
    return 1;
  }
  void* output = nullptr;
  int code = 0, line = 0;
  std::vector<wchar_t> text(1024, L'\0');
  BOOL ok = compile(nullptr, L"VBScript", script.c_str(), &output, 0, procedures ? 1 : 0, 0, &code, text.data(), 1024,
                    &line, 0, 0, procedures ? 3 : 5);
  std::free(output);
  if (ok) {
    Out(L"Script is OK!");
    return 0;
  }
  Out(L"Line " + std::to_wstring(line) + L": " + text.data() + L" (" + std::to_wstring(code) + L")");
  return 1;
}

const Command kRows[] = {
    {L"script check", L"FILE [--procedures]", L"check a script's syntax (only procedures with --procedures)",
     &ScriptCheck},
};
}  // namespace

extern const CommandTable kScriptCommands = MakeTable(L"Script", kRows);

}  // namespace orvctl
