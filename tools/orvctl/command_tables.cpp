// The list of command tables: one line per module.
#include "command_table.h"

namespace orvctl {

extern const CommandTable kBaseCommands;
extern const CommandTable kScriptCommands;
extern const CommandTable kPdfCommands;
extern const CommandTable kProjectCommands;
extern const CommandTable kSoftplcCommands;
extern const CommandTable kCompressCommands;
extern const CommandTable kRuntimeCommands;

const std::vector<const CommandTable*>& AllTables() {
  static const std::vector<const CommandTable*> tables = {
      &kBaseCommands,
      &kScriptCommands,
      &kPdfCommands,
      &kProjectCommands,
      &kSoftplcCommands,
      &kCompressCommands,
      &kRuntimeCommands,
  };
  return tables;
}

}  // namespace orvctl
