// Projects on disk and their tags: project new|open|show, tags list|add|import.
#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

#include "command_table.h"
#include "console.h"
#include "core/tag_database.h"
#include "core/text_util.h"
#include "tarvo.h"
#include "text/utf16le.h"
#include "win/unique_resource.h"

namespace orvctl {
namespace {

// A Linux path ("/home/...") names the same file through Wine's drive Z:.
std::wstring WindowsPath(std::wstring path) {
  if (!path.empty() && path[0] == L'/') path = L"Z:" + path;
  for (wchar_t& c : path)
    if (c == L'/') c = L'\\';
  while (path.size() > 3 && path.back() == L'\\') path.pop_back();
  return path;
}

bool IsFile(const std::wstring& path) {
  const DWORD a = GetFileAttributesW(path.c_str());
  return a != INVALID_FILE_ATTRIBUTES && !(a & FILE_ATTRIBUTE_DIRECTORY);
}

bool IsFolder(const std::wstring& path) {
  const DWORD a = GetFileAttributesW(path.c_str());
  return a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_DIRECTORY);
}

std::wstring LastPart(const std::wstring& path) {
  const std::size_t slash = path.find_last_of(L"\\/");
  return slash == std::wstring::npos ? path : path.substr(slash + 1);
}

std::wstring FolderOf(const std::wstring& path) {
  const std::size_t slash = path.find_last_of(L"\\/");
  return slash == std::wstring::npos ? std::wstring() : path.substr(0, slash);
}

bool ReadBytes(const std::wstring& path, std::string& bytes) {
  orv::win::UniqueHandle file(
      CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return false;
  LARGE_INTEGER size;
  if (!GetFileSizeEx(file.get(), &size) || size.QuadPart > (256LL << 20)) return false;
  bytes.resize(static_cast<std::size_t>(size.QuadPart));
  DWORD read = 0;
  return bytes.empty() || (ReadFile(file.get(), &bytes[0], static_cast<DWORD>(bytes.size()), &read, nullptr) &&
                           read == bytes.size());
}

// Writes a new file next to the target and replaces it, so a failure leaves the old one.
bool WriteByReplacing(const std::wstring& path, const std::string& bytes) {
  const std::wstring temp = path + L".new";
  {
    orv::win::UniqueHandle file(
        CreateFileW(temp.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    DWORD written = 0;
    if (!file || !WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) ||
        written != bytes.size()) {
      DeleteFileW(temp.c_str());
      return false;
    }
  }
  if (MoveFileExW(temp.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) return true;
  DeleteFileW(temp.c_str());
  return false;
}

std::string Utf16File(const std::wstring& text) {
  std::string bytes("\xFF\xFE", 2);
  orv::AppendUtf16LE(bytes, text);
  return bytes;
}

// The project file a command names: a .APP file, or a folder holding one.
std::wstring FindProjectFile(const std::wstring& given) {
  const std::wstring path = WindowsPath(given);
  if (IsFile(path)) return path;
  if (!IsFolder(path)) return L"";
  const std::wstring guess = path + L"\\" + LastPart(path) + L".APP";
  if (IsFile(guess)) return guess;
  WIN32_FIND_DATAW data;
  HANDLE find = FindFirstFileW((path + L"\\*.APP").c_str(), &data);
  if (find == INVALID_HANDLE_VALUE) return L"";
  FindClose(find);
  return path + L"\\" + data.cFileName;
}

std::wstring Setting(const wchar_t* section, const wchar_t* key, const wchar_t* fallback) {
  wchar_t buffer[1024];
  APGetStr(section, key, fallback, buffer, 1024);
  return buffer;
}

std::wstring DatabaseFile() {
  wchar_t path[TARVO_MAX_PATH];
  return APAppDatabasePath(L"Tags.tdb", path) ? path : L"";
}

bool CurrentProject() {
  if (*APGetAppIniPath() == L'\0' || !IsFile(APGetAppIniPath())) {
    Err(L"no project is open (orvctl project open FOLDER)");
    return false;
  }
  return true;
}

// Loads the current project's tag database for a change.
bool LoadDatabase(tarvo::TagDatabase& db, std::wstring& path) {
  if (!CurrentProject()) return false;
  path = DatabaseFile();
  std::string bytes;
  std::wstring error;
  if (!ReadBytes(path, bytes)) {
    Err(L"cannot read the tag database " + path);
    return false;
  }
  if (!db.Load(bytes, error)) {
    Err(L"the tag database " + path + L" is damaged: " + error);
    return false;
  }
  return true;
}

bool SaveDatabase(const tarvo::TagDatabase& db, const std::wstring& path) {
  if (!WriteByReplacing(path, db.Save())) {
    Err(L"cannot write " + path);
    return false;
  }
  DBClose(0);
  DBOpen();
  return true;
}

int ProjectNew(const Args& given) {
  Args args = given;
  std::wstring name = TakeOption(args, L"--name");
  if (args.size() != 1) return UsageError(L"usage: orvctl project new FOLDER [--name NAME]");
  const std::wstring folder = WindowsPath(args[0]);
  if (name.empty()) name = LastPart(folder);
  if (!tarvo::IsValidName(name)) return UsageError(L"not a usable project name: " + name);
  const std::wstring ini = folder + L"\\" + name + L".APP";
  if (IsFile(ini)) {
    Err(L"a project already exists there: " + ini);
    return 1;
  }
  CreateDirectoryW(folder.c_str(), nullptr);
  for (const wchar_t* sub : {L"Config", L"Database", L"Screen", L"Web"}) CreateDirectoryW((folder + L"\\" + sub).c_str(), nullptr);
  const bool ok =
      WriteByReplacing(ini, Utf16File(L"[Info]\r\nRevision=1\r\nDescription=" + name +
                                 L"\r\n\r\n[Options]\r\nDateOrder=MDY\r\nDateSeparator=/\r\n\r\n[StartupTasks]\r\nCount=0\r\n")) &&
      (IsFile(folder + L"\\Database\\Tags.tdb") || WriteByReplacing(folder + L"\\Database\\Tags.tdb", tarvo::TagDatabase().Save())) &&
      (IsFile(folder + L"\\Config\\Security.ini") ||
       WriteByReplacing(folder + L"\\Config\\Security.ini", Utf16File(L"[Groups]\r\nCount=0\r\n")));
  if (!ok) {
    Err(L"cannot create the project in " + folder);
    return 1;
  }
  Out(L"created " + ini);
  return 0;
}

int ProjectOpen(const Args& args) {
  if (args.size() != 1) return UsageError(L"usage: orvctl project open FOLDER|FILE.APP");
  const std::wstring ini = FindProjectFile(args[0]);
  if (ini.empty()) {
    Err(L"no project file (.APP) at " + args[0]);
    return 1;
  }
  const std::wstring folder = FolderOf(ini);
  APSetAppIniPath(ini.c_str());
  APSetAppPath(folder.c_str());
  DBClose(0);
  if (!DBOpen()) {
    Err(L"the tag database of " + ini + L" cannot be opened (error " + std::to_wstring(DBOpenError()) +
        L"); the running project is unchanged");
    return 1;
  }
  APTarvoSetStrLocal(L"Application", L"Configuration", ini.c_str());
  APTarvoSetStrLocal(L"Application", L"Directory", folder.c_str());
  Out(L"opened " + ini + L" (" + std::to_wstring(UNGetTotalCount()) + L" tags)");
  return 0;
}

int ProjectShow(const Args& args) {
  if (!args.empty()) return UsageError(L"usage: orvctl project show");
  if (!CurrentProject()) return 1;
  const bool open = IsDBOpen() || DBOpen();
  wchar_t text[256];
  Out(L"Project:          " + LastPart(APGetAppIniPath()));
  Out(L"Description:      " + Setting(L"Info", L"Description", L""));
  Out(L"Revision:         " + Setting(L"Info", L"Revision", L""));
  Out(L"Folder:           " + std::wstring(APGetAppPath()));
  Out(L"Settings file:    " + std::wstring(APGetAppIniPath()));
  Out(L"Tag database:     " + DatabaseFile() + (open ? L"" : L" (cannot be opened, error " + std::to_wstring(DBOpenError()) + L")"));
  Out(L"Tags:             " + std::to_wstring(UNGetTotalCount()) + L" (" + std::to_wstring(UNGetAppDatabaseSize()) +
      L" application, " + std::to_wstring(UNGetInternalDatabaseSize()) + L" internal)");
  Out(L"Tags with alarms: " + std::to_wstring(UNGetNumAlarmInfo()));
  Out(L"Security groups:  " + std::to_wstring(SEGetNumberOfGroups()));
  Out(L"Configuration:    version " + std::to_wstring(UNGetVersion()));
  wchar_t separator = L'/';
  UNGetOrderDateAndSeparator(text, 256, &separator);
  Out(L"Date order:       " + std::wstring(text) + L", separator \"" + std::wstring(1, separator) + L"\"");
  UNGetExecutionModeString(text, 256);
  Out(L"Execution:        " + std::wstring(text));
  Out(L"Web:              " + std::wstring(UNIsWebEnable() ? L"enabled" : L"disabled"));
  Out(L"Windows CE:       " + std::wstring(UNIsAppForCE() ? L"yes" : L"no"));
  APTarvoGetStr(L"Install", L"Version", L"Unavailable", text, 256);
  Out(L"Product version:  " + std::wstring(text));
  return open ? 0 : 1;
}

std::wstring TypeText(int type, const wchar_t* className) {
  static const wchar_t* const kNames[] = {L"Boolean", L"Integer", L"Real", L"String"};
  return type >= 0 && type < 4 ? kNames[type] : std::wstring(className);
}

int TagsList(const Args& args) {
  if (!args.empty()) return UsageError(L"usage: orvctl tags list");
  if (!CurrentProject()) return 1;
  if (!IsDBOpen() && !DBOpen()) {
    Err(L"the tag database cannot be opened (error " + std::to_wstring(DBOpenError()) + L")");
    return 1;
  }
  const int count = UNGetTotalCount();
  for (int n = 1; n <= count; ++n) {
    wchar_t name[1024], cls[256];
    DBGetTagName(n, name, 1024);
    const int type = DBGetTagType(n, cls, 256);
    const int size = DBGetTagSize(n);
    const DWORD flags = DBGetTagFlags(n);
    std::wstring line = std::to_wstring(n) + L"\t" + name + L"\t" + TypeText(type, cls);
    if (size > 0) line += L"[" + std::to_wstring(size) + L"]";
    line += L"\t" + tarvo::FlagsText(flags);
    Out(line);
  }
  std::vector<std::wstring> classes;  // in order of first use
  for (int n = 1; n <= count; ++n) {
    wchar_t cls[256];
    if (DBGetTagType(n, cls, 256) >= TARVO_TYPE_CLASS && std::find(classes.begin(), classes.end(), cls) == classes.end())
      classes.push_back(cls);
  }
  for (const std::wstring& name : classes) {
    const int c = DBClassFindName(name.c_str());
    std::wstring line = L"class " + name + L":";
    for (int m = 1; m <= DBClassGetMemberCount(c); ++m) {
      wchar_t member[256];
      DBClassGetMemberName(c, m, member, 256);
      line += (m == 1 ? L" " : L", ") + std::wstring(member) + L" " + TypeText(DBClassGetMemberType(c, m), L"");
    }
    Out(line);
  }
  Out(std::to_wstring(count) + L" tags");
  return 0;
}

// Reads "name type [size] [flags] [description]" fields into a definition.
bool MakeTag(const tarvo::TagDatabase& db, const std::vector<std::wstring>& f, tarvo::TagDef& tag, std::wstring& error) {
  if (f.size() < 2) {
    error = L"a tag needs a name and a type";
    return false;
  }
  tag.name = tarvo::Trim(f[0]);
  tag.type = db.ParseType(tarvo::Trim(f[1]));
  if (tag.type < 0) {
    error = L"unknown type \"" + f[1] + L"\"";
    return false;
  }
  tag.arraySize = 0;
  if (f.size() > 2 && !tarvo::Trim(f[2]).empty()) {
    const std::wstring s = tarvo::Trim(f[2]);
    if (s.size() > 3 || s.find_first_not_of(L"0123456789") != std::wstring::npos) {
      error = L"bad array size \"" + s + L"\"";
      return false;
    }
    tag.arraySize = std::stoi(s);
  }
  if (f.size() > 3 && !tarvo::ParseFlags(tarvo::Trim(f[3]), tag.flags)) {
    error = L"bad flags \"" + f[3] + L"\" (letters I, A, T or -)";
    return false;
  }
  if (f.size() > 4) tag.description = tarvo::Trim(f[4]);
  return true;
}

int TagsAdd(const Args& given) {
  Args args = given;
  const std::wstring size = TakeOption(args, L"--size", L"0");
  const std::wstring description = TakeOption(args, L"--description");
  std::wstring flags;
  if (TakeFlag(args, L"--indirect")) flags += L'I';
  if (TakeFlag(args, L"--alarm")) flags += L'A';
  if (TakeFlag(args, L"--trend")) flags += L'T';
  if (args.size() != 2)
    return UsageError(L"usage: orvctl tags add NAME TYPE [--size N] [--indirect] [--alarm] [--trend] [--description TEXT]");
  tarvo::TagDatabase db;
  std::wstring path, error;
  if (!LoadDatabase(db, path)) return 1;
  tarvo::TagDef tag;
  if (!MakeTag(db, {args[0], args[1], size, flags.empty() ? L"-" : flags, description}, tag, error) ||
      !db.AddTag(tag, error)) {
    Err(L"cannot add the tag: " + error);
    return 2;
  }
  if (!SaveDatabase(db, path)) return 1;
  Out(L"added " + tag.name + L" as tag " + std::to_wstring(db.TagCount()));
  return 0;
}

std::vector<std::wstring> SplitFields(const std::wstring& line) {
  const wchar_t sep = line.find(L'\t') != std::wstring::npos ? L'\t' : (line.find(L';') != std::wstring::npos ? L';' : L',');
  std::vector<std::wstring> f(1);
  for (wchar_t c : line) {
    if (c == sep)
      f.emplace_back();
    else
      f.back() += c;
  }
  return f;
}

int TagsImport(const Args& args) {
  if (args.size() != 1) return UsageError(L"usage: orvctl tags import FILE (lines: name,type[,size[,flags[,description]]])");
  std::string bytes;
  const std::wstring file = WindowsPath(args[0]);
  if (!ReadBytes(file, bytes)) {
    Err(L"cannot read " + file);
    return 1;
  }
  std::wstring text;
  if (bytes.size() >= 2 && static_cast<unsigned char>(bytes[0]) == 0xFF && static_cast<unsigned char>(bytes[1]) == 0xFE)
    text = orv::FromUtf16LE(bytes.data() + 2, bytes.size() - 2);
  else
    text = orv::FromUtf8(bytes.size() >= 3 && bytes.compare(0, 3, "\xEF\xBB\xBF") == 0 ? bytes.substr(3) : bytes);
  tarvo::TagDatabase db;
  std::wstring path;
  if (!LoadDatabase(db, path)) return 1;
  int lineNo = 0, added = 0, faults = 0;
  std::size_t pos = 0;
  while (pos < text.size()) {
    std::size_t end = text.find(L'\n', pos);
    if (end == std::wstring::npos) end = text.size();
    std::wstring line = text.substr(pos, end - pos);
    pos = end + 1;
    ++lineNo;
    if (!line.empty() && line.back() == L'\r') line.pop_back();
    if (tarvo::Trim(line).empty() || line[0] == L'#') continue;
    const std::vector<std::wstring> f = SplitFields(line);
    if (lineNo == 1 && tarvo::EqualsNoCase(tarvo::Trim(f[0]), L"name")) continue;  // header line
    tarvo::TagDef tag;
    std::wstring error;
    if (!MakeTag(db, f, tag, error) || !db.AddTag(tag, error)) {
      Err(file + L":" + std::to_wstring(lineNo) + L": " + error);
      ++faults;
      continue;
    }
    ++added;
  }
  if (faults) {
    Err(L"nothing imported: " + std::to_wstring(faults) + L" bad line(s)");
    return 2;
  }
  if (!SaveDatabase(db, path)) return 1;
  Out(L"imported " + std::to_wstring(added) + L" tags");
  return 0;
}

const Command kRows[] = {
    {L"project new", L"FOLDER [--name NAME]", L"create an empty project", &ProjectNew},
    {L"project open", L"FOLDER|FILE.APP", L"make a project the machine's running project", &ProjectOpen},
    {L"project show", L"", L"facts of the running project", &ProjectShow},
    {L"tags list", L"", L"the tags and classes of the running project", &TagsList},
    {L"tags add", L"NAME TYPE [--size N] [--indirect|--alarm|--trend] [--description T]", L"add a tag", &TagsAdd},
    {L"tags import", L"FILE", L"add the tags of a CSV file (all or nothing)", &TagsImport},
};

}  // namespace

extern const CommandTable kProjectCommands = MakeTable(L"Project", kRows);

}  // namespace orvctl
