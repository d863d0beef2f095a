// Expressions as worksheets write them: numbers, double-quoted strings, operators,
// parentheses, tag names and calls of the built-in host functions. Compiling checks
// the syntax and writes a compiled form of our own: the expression in postfix order,
// one item per line, tag references as "T<tag>,<index>,<indexTag>,<member>,<field>,<flags>".
#pragma once
#include <string>
#include <vector>

#include "core/tag_database.h"
#include "core/tag_name.h"

namespace tarvo {

struct CompileResult {
  bool ok = false;
  std::wstring compiled;
  std::wstring error;      // readable reason when not ok
  std::size_t errorPos = 0;
  std::vector<TagRef> refs;  // tag references in order of appearance (index tags after their array)
};

// requireTags: every name must be a tag of the database (otherwise unknown names are
// kept as names and listed nowhere). db may be null (no database open).
CompileResult CompileExpression(const std::wstring& text, const TagDatabase* db, bool requireTags, int origin);

// The tag references of a compiled form.
std::vector<TagRef> ListCompiledRefs(const std::wstring& compiled);

// The {Tag} groups of a text: the tag references they name (groups naming no tag are
// skipped; "\{" is no group; a group in single quotes is a literal). False when a
// group is not closed.
bool FindTagsInText(const TagDatabase& db, const std::wstring& text, std::vector<TagRef>& refs,
                    std::vector<std::wstring>* missing = nullptr);

}  // namespace tarvo
