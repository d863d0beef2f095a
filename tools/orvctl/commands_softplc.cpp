// softplc: drives a soft-PLC link's exports in the order the project manager calls them.
#include <windows.h>

#include <string>

#include "command_table.h"
#include "console.h"

namespace orvctl {
namespace {

using CloseFn = void(__cdecl*)();
using IntFn = int(__cdecl*)();
using GenerateFn = void(__cdecl*)(int, int);
using NextFn = int(__cdecl*)(wchar_t*, int*, int*, wchar_t*, int*);

// The link library of the program folder (or the search path) and its seven exports.
class Link {
 public:
  explicit Link(const std::wstring& name) {
    std::wstring file = name;
    if (file.size() < 4 || _wcsicmp(file.c_str() + file.size() - 4, L".dll") != 0) file += L".dll";
    module_ = ::LoadLibraryW(file.c_str());
    if (!module_) return;
    closeDLL = Get<CloseFn>("CloseDLL");
    configure = Get<IntFn>("Configure");
    generate = Get<GenerateFn>("GenerateDriverWorksheet");
    head = Get<IntFn>("GetTagNameHead");
    next = Get<NextFn>("GetTagNameNext");
    openDLL = Get<IntFn>("OpenDLL");
    recreate = Get<IntFn>("Recreate");
  }
  ~Link() {
    if (module_) ::FreeLibrary(module_);
  }
  Link(const Link&) = delete;
  Link& operator=(const Link&) = delete;

  bool Complete() const { return closeDLL && configure && generate && head && next && openDLL && recreate; }

  CloseFn closeDLL = nullptr;
  IntFn configure = nullptr;
  GenerateFn generate = nullptr;
  IntFn head = nullptr;
  NextFn next = nullptr;
  IntFn openDLL = nullptr;
  IntFn recreate = nullptr;

 private:
  template <typename Fn>
  Fn Get(const char* name) {
    return reinterpret_cast<Fn>(reinterpret_cast<void*>(::GetProcAddress(module_, name)));
  }
  HMODULE module_ = nullptr;
};

int Open(const Link& link, const Args&) {
  int opened = link.openDLL();
  link.closeDLL();
  Out(L"OpenDLL: " + std::to_wstring(opened));
  return opened ? 0 : 1;
}

int Tags(const Link& link, const Args&) {
  if (!link.openDLL()) {
    link.closeDLL();
    Err(L"orvctl: the link could not be opened");
    return 1;
  }
  int count = 0;
  if (link.head()) {
    // The link writes at most 1022 characters into each text.
    wchar_t name[1024] = {};
    wchar_t description[1024] = {};
    int arraySize = 0, type = 0, skip = 0;
    while (link.next(name, &arraySize, &type, description, &skip)) {
      if (skip) continue;
      Out(std::wstring(name) + L"\t" + std::to_wstring(arraySize) + L"\t" + std::to_wstring(type) + L"\t" +
          description);
      ++count;
    }
  }
  link.closeDLL();
  Out(L"tags: " + std::to_wstring(count));
  return 0;
}

int Generate(const Link& link, const Args& args) {
  Args rest = args;
  bool config = TakeFlag(rest, L"--config");
  bool worksheet = TakeFlag(rest, L"--worksheet");
  if (!rest.empty()) return UsageError(L"softplc generate: unknown argument \"" + rest[0] + L"\"");
  if (!config && !worksheet) config = worksheet = true;
  link.generate(config ? 1 : 0, worksheet ? 1 : 0);
  return 0;
}

int Recreate(const Link& link, const Args&) {
  link.openDLL();
  int changed = link.recreate();
  link.closeDLL();
  Out(L"Recreate: " + std::to_wstring(changed));
  return 0;
}

int Configure(const Link& link, const Args&) {
  int ok = link.configure();
  Out(L"Configure: " + std::to_wstring(ok));
  return ok ? 0 : 1;
}

int Softplc(const Args& args) {
  if (args.size() < 2) return UsageError(L"usage: orvctl softplc LINK open|tags|generate|recreate|configure");
  struct Action {
    const wchar_t* word;
    int (*run)(const Link&, const Args&);
  } actions[] = {{L"open", &Open}, {L"tags", &Tags}, {L"generate", &Generate}, {L"recreate", &Recreate},
                 {L"configure", &Configure}};
  for (const Action& action : actions) {
    if (args[1] != action.word) continue;
    Link link(args[0]);
    if (!link.Complete()) {
      Err(L"orvctl: \"" + args[0] + L"\" is not a soft-PLC link that can be loaded");
      return 1;
    }
    return action.run(link, Args(args.begin() + 2, args.end()));
  }
  return UsageError(L"softplc: unknown action \"" + args[1] + L"\"");
}

const Command kRows[] = {
    {L"softplc", L"LINK open|tags|generate [--config] [--worksheet]|recreate|configure",
     L"drive a soft-PLC link (ThinkDoLink, VivazorUvaz, ...) as the project manager does", &Softplc},
};

}  // namespace

extern const CommandTable kSoftplcCommands = MakeTable(L"Soft-PLC links", kRows);

}  // namespace orvctl
