// The tag database of this process's current project: opened by DBOpen (or on first
// use when the process never opened or closed it), shared read-only by the calls, and
// replaced as a whole when it is saved or opened again.
#pragma once
#include <memory>
#include <string>

#include "core/tag_database.h"

namespace tarvo {

constexpr wchar_t kDatabaseFileName[] = L"Tags.tdb";

std::wstring DatabaseFilePath();  // <project>\Database\Tags.tdb; empty without a project
std::shared_ptr<const TagDatabase> CurrentDatabase();  // null when none is open
bool OpenDatabase();
void CloseDatabase();
int LastOpenError();
std::wstring LastOpenErrorText();

// Reads the file without touching the open database (for changes that are saved back).
bool ReadDatabaseFile(const std::wstring& path, TagDatabase& db, std::wstring& error);
// Writes through a temporary file and a replace, so a failure leaves the old file;
// on success the written database becomes the open one.
bool SaveDatabase(const TagDatabase& db, std::wstring& error);

}  // namespace tarvo
