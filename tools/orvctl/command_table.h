// orvctl's commands are rows of tables; each module contributes one table in a file of
// its own (commands_*.cpp) and one line in command_tables.cpp.
#pragma once
#include <cstddef>
#include <string>
#include <vector>

namespace orvctl {

using Args = std::vector<std::wstring>;

struct Command {
  const wchar_t* words;    // "version", "project new": matched against the leading arguments
  const wchar_t* usage;    // arguments after the words
  const wchar_t* summary;  // one line for "orvctl help"
  int (*run)(const Args& args);  // the arguments after the words; returns the exit code
};

struct CommandTable {
  const wchar_t* module;
  const Command* rows;
  std::size_t count;
};

template <std::size_t N>
constexpr CommandTable MakeTable(const wchar_t* module, const Command (&rows)[N]) {
  return CommandTable{module, rows, N};
}

// Every table, in the order "help" lists them.
const std::vector<const CommandTable*>& AllTables();

}  // namespace orvctl
