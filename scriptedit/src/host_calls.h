// The few host runtime library calls the control makes, in one place.
#pragma once

namespace vse {

// Project setting (project INI) as an integer.
int ProjectSettingInt(const wchar_t* section, const wchar_t* key, int fallback);
// Per-machine setting as an integer.
int LocalSettingInt(const wchar_t* section, const wchar_t* key, int fallback);
// Changes whenever the tag database changes.
int TagDatabaseVersion();

}  // namespace vse
