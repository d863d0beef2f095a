#include "win/database_state.h"

#include <windows.h>

#include <mutex>

#include "tarvo.h"
#include "win/local_settings.h"
#include "win/project_state.h"
#include "win/unique_resource.h"

namespace tarvo {
namespace {

std::mutex g_lock;
std::shared_ptr<const TagDatabase> g_db;
bool g_explicit = false;  // DBOpen or DBClose was called: no automatic opening
int g_error = TARVO_DBERR_NONE;
std::wstring g_errorText;

bool ReadBytes(const std::wstring& path, std::string& bytes) {
  orv::win::UniqueHandle file(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                          nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return false;
  LARGE_INTEGER size;
  if (!GetFileSizeEx(file.get(), &size) || size.QuadPart > (256LL << 20)) return false;
  bytes.resize(static_cast<std::size_t>(size.QuadPart));
  DWORD read = 0;
  if (!bytes.empty() && (!ReadFile(file.get(), &bytes[0], static_cast<DWORD>(bytes.size()), &read, nullptr) ||
                         read != bytes.size()))
    return false;
  return true;
}

bool OpenLocked() {
  g_db.reset();
  const std::wstring path = DatabaseFilePath();
  if (path.empty()) {
    g_error = TARVO_DBERR_NO_PROJECT;
    g_errorText = L"no current project";
    return false;
  }
  auto db = std::make_shared<TagDatabase>();
  std::string bytes;
  if (!ReadBytes(path, bytes)) {
    g_error = TARVO_DBERR_MISSING;
    g_errorText = L"cannot read " + path;
    return false;
  }
  std::wstring error;
  if (!db->Load(bytes, error)) {
    g_error = TARVO_DBERR_DAMAGED;
    g_errorText = path + L": " + error;
    return false;
  }
  g_db = std::move(db);
  g_error = TARVO_DBERR_NONE;
  g_errorText.clear();
  return true;
}

}  // namespace

std::wstring DatabaseFilePath() {
  const std::wstring folder = ProjectSubfolder(L"Database");
  return folder.empty() ? folder : folder + kDatabaseFileName;
}

std::shared_ptr<const TagDatabase> CurrentDatabase() {
  std::lock_guard<std::mutex> lock(g_lock);
  if (!g_db && !g_explicit) {
    g_explicit = true;  // one automatic attempt only
    OpenLocked();
  }
  return g_db;
}

bool OpenDatabase() {
  std::lock_guard<std::mutex> lock(g_lock);
  g_explicit = true;
  return OpenLocked();
}

void CloseDatabase() {
  std::lock_guard<std::mutex> lock(g_lock);
  g_explicit = true;
  g_db.reset();
}

int LastOpenError() {
  std::lock_guard<std::mutex> lock(g_lock);
  return g_error;
}

std::wstring LastOpenErrorText() {
  std::lock_guard<std::mutex> lock(g_lock);
  return g_errorText;
}

bool ReadDatabaseFile(const std::wstring& path, TagDatabase& db, std::wstring& error) {
  std::string bytes;
  if (!ReadBytes(path, bytes)) {
    error = L"cannot read " + path;
    return false;
  }
  return db.Load(bytes, error);
}

bool SaveDatabase(const TagDatabase& db, std::wstring& error) {
  const std::wstring path = DatabaseFilePath();
  if (path.empty()) {
    error = L"no current project";
    return false;
  }
  CreateDirectoryW(FolderOf(path).c_str(), nullptr);
  const std::wstring temp = path + L".new";
  const std::string bytes = db.Save();
  {
    orv::win::UniqueHandle file(
        CreateFileW(temp.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    DWORD written = 0;
    if (!file || !WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) ||
        written != bytes.size() || !FlushFileBuffers(file.get())) {
      error = L"cannot write " + temp;
      DeleteFileW(temp.c_str());
      return false;
    }
  }
  if (!MoveFileExW(temp.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    error = L"cannot replace " + path;
    DeleteFileW(temp.c_str());
    return false;
  }
  {
    std::lock_guard<std::mutex> lock(g_lock);
    g_db = std::make_shared<TagDatabase>(db);
    g_error = TARVO_DBERR_NONE;
    g_errorText.clear();
  }
  BumpConfigurationCounter();
  return true;
}

}  // namespace tarvo
