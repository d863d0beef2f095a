// The command tables of the soft-PLC test driver: only the soft-PLC commands.
#include "command_table.h"

namespace orvctl {

extern const CommandTable kSoftplcCommands;

const std::vector<const CommandTable*>& AllTables() {
  static const std::vector<const CommandTable*> tables = {&kSoftplcCommands};
  return tables;
}

}  // namespace orvctl
