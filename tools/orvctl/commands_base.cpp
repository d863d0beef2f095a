// help and version.
#include "command_table.h"
#include "console.h"

#define ORV_WIDEN2(x) L##x
#define ORV_WIDEN(x) ORV_WIDEN2(x)
#define ORV_VERSION_W ORV_WIDEN(ORV_VERSION)

namespace orvctl {
namespace {

int Help(const Args&) {
  Out(L"orvctl: drives the system's modules from the command line.");
  Out(L"usage: orvctl COMMAND [ARGUMENTS]");
  for (const CommandTable* table : AllTables()) {
    Out(L"");
    Out(std::wstring(table->module) + L":");
    for (std::size_t i = 0; i < table->count; ++i) {
      const Command& c = table->rows[i];
      std::wstring line = L"  " + std::wstring(c.words);
      if (*c.usage) line += L" " + std::wstring(c.usage);
      if (line.size() < 44) line.resize(44, L' ');
      Out(line + L" " + c.summary);
    }
  }
  return 0;
}

int Version(const Args&) {
  Out(std::wstring(L"orvctl ") + ORV_VERSION_W);
  return 0;
}

const Command kRows[] = {
    {L"help", L"", L"list the commands", &Help},
    {L"version", L"", L"print the system's version", &Version},
};
}  // namespace

extern const CommandTable kBaseCommands = MakeTable(L"General", kRows);

}  // namespace orvctl
