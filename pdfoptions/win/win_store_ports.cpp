#include "win_store_ports.h"

#include <windows.h>
#include <shlobj.h>
#include <winspool.h>

#include <vector>

#include "unique_printer.h"
#include "win/unique_resource.h"

namespace orv::pdf::win {
using orv::win::UniqueHandle;
using orv::win::UniqueRegKey;

// Registry

bool WinRegistry::KeyExists(const std::wstring& key) {
  UniqueRegKey k;
  return ::RegOpenKeyExW(HKEY_CURRENT_USER, key.c_str(), 0, KEY_READ, k.put()) == ERROR_SUCCESS;
}

RegValue WinRegistry::Read(const std::wstring& key, const std::wstring& name) {
  RegValue value;
  UniqueRegKey k;
  if (::RegOpenKeyExW(HKEY_CURRENT_USER, key.c_str(), 0, KEY_READ, k.put()) != ERROR_SUCCESS) return value;
  DWORD type = 0, size = 0;
  if (::RegQueryValueExW(k.get(), name.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS) return value;
  std::vector<BYTE> data(size + sizeof(wchar_t));
  if (::RegQueryValueExW(k.get(), name.c_str(), nullptr, &type, data.data(), &size) != ERROR_SUCCESS) return value;
  if (type == REG_SZ) {
    value.kind = RegKind::Text;
    value.text.assign(reinterpret_cast<const wchar_t*>(data.data()), size / sizeof(wchar_t));
    while (!value.text.empty() && value.text.back() == L'\0') value.text.pop_back();
  } else if (type == REG_BINARY) {
    value.kind = RegKind::Binary;
    value.bytes.assign(reinterpret_cast<const char*>(data.data()), size);
  } else {
    value.kind = RegKind::Other;
  }
  return value;
}

namespace {
bool SetValue(const std::wstring& key, const std::wstring& name, DWORD type, const void* data, DWORD size) {
  UniqueRegKey k;
  if (::RegCreateKeyExW(HKEY_CURRENT_USER, key.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, k.put(), nullptr) !=
      ERROR_SUCCESS) {
    return false;
  }
  return ::RegSetValueExW(k.get(), name.c_str(), 0, type, static_cast<const BYTE*>(data), size) == ERROR_SUCCESS;
}
}  // namespace

bool WinRegistry::WriteText(const std::wstring& key, const std::wstring& name, const std::wstring& text) {
  return SetValue(key, name, REG_SZ, text.c_str(), static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
}

bool WinRegistry::WriteBinary(const std::wstring& key, const std::wstring& name, const std::string& bytes) {
  return SetValue(key, name, REG_BINARY, bytes.data(), static_cast<DWORD>(bytes.size()));
}

std::vector<std::wstring> WinRegistry::SubKeys(const std::wstring& key, std::size_t max) {
  std::vector<std::wstring> names;
  UniqueRegKey k;
  if (::RegOpenKeyExW(HKEY_CURRENT_USER, key.c_str(), 0, KEY_READ, k.put()) != ERROR_SUCCESS) return names;
  for (DWORD i = 0; i < max; ++i) {
    wchar_t name[256];
    DWORD size = 256;
    if (::RegEnumKeyExW(k.get(), i, name, &size, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
    names.emplace_back(name, size);
  }
  return names;
}

bool WinRegistry::DeleteTree(const std::wstring& key) {
  LSTATUS s = ::RegDeleteTreeW(HKEY_CURRENT_USER, key.c_str());
  return s == ERROR_SUCCESS || s == ERROR_FILE_NOT_FOUND;
}

// Profile file

bool WinProfileFile::Exists(const std::wstring& path) {
  return ::GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool WinProfileFile::MakeEmpty(const std::wstring& path) {
  // Drop the cached copy the profile functions may hold, then start a Unicode file
  // (the byte order mark makes them keep writing UTF-16).
  ::WritePrivateProfileStringW(nullptr, nullptr, nullptr, path.c_str());
  UniqueHandle file(::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL,
                                  nullptr));
  if (!file) return false;
  const unsigned char bom[2] = {0xFF, 0xFE};
  DWORD written = 0;
  return ::WriteFile(file.get(), bom, 2, &written, nullptr) && written == 2;
}

std::optional<std::wstring> WinProfileFile::Read(const std::wstring& path, const std::wstring& section,
                                                 const std::wstring& key, std::size_t bufferChars) {
  static const wchar_t kMissing[] = L"\x01\x02<missing>";
  std::size_t size = bufferChars ? bufferChars : 4096;
  for (;;) {
    std::vector<wchar_t> buf(size);
    DWORD n = ::GetPrivateProfileStringW(section.c_str(), key.c_str(), kMissing, buf.data(),
                                         static_cast<DWORD>(size), path.c_str());
    std::wstring value(buf.data(), n);
    if (bufferChars || n + 1 < size) {
      if (value == kMissing) return std::nullopt;
      return value;
    }
    size *= 2;  // read whole: grow until the value fits
  }
}

bool WinProfileFile::Write(const std::wstring& path, const std::wstring& section, const std::wstring& key,
                           const std::wstring& value) {
  return ::WritePrivateProfileStringW(section.c_str(), key.c_str(), value.c_str(), path.c_str()) != FALSE;
}

namespace {
std::vector<std::wstring> SplitZeros(const wchar_t* data, std::size_t size) {
  std::vector<std::wstring> items;
  std::size_t start = 0;
  for (std::size_t i = 0; i < size; ++i) {
    if (data[i] == L'\0') {
      if (i > start) items.emplace_back(data + start, i - start);
      start = i + 1;
    }
  }
  if (start < size) items.emplace_back(data + start, size - start);
  return items;
}
}  // namespace

std::vector<std::wstring> WinProfileFile::SectionNames(const std::wstring& path, std::size_t bufferChars) {
  std::vector<wchar_t> buf(bufferChars + 1, L'\0');
  DWORD n = ::GetPrivateProfileSectionNamesW(buf.data(), static_cast<DWORD>(bufferChars), path.c_str());
  return SplitZeros(buf.data(), n);
}

IniLines WinProfileFile::ReadSection(const std::wstring& path, const std::wstring& section) {
  std::size_t size = 32768;
  std::vector<wchar_t> buf;
  DWORD n = 0;
  for (;;) {
    buf.assign(size, L'\0');
    n = ::GetPrivateProfileSectionW(section.c_str(), buf.data(), static_cast<DWORD>(size), path.c_str());
    if (n + 2 < size) break;
    size *= 2;
  }
  IniLines lines;
  for (const std::wstring& line : SplitZeros(buf.data(), n)) {
    std::size_t eq = line.find(L'=');
    if (eq == std::wstring::npos) continue;
    lines.emplace_back(line.substr(0, eq), line.substr(eq + 1));
  }
  return lines;
}

bool WinProfileFile::WriteSection(const std::wstring& path, const std::wstring& section, const IniLines& lines) {
  std::wstring block;
  for (const auto& [key, value] : lines) {
    block += key + L"=" + value;
    block.push_back(L'\0');
  }
  block.push_back(L'\0');
  return ::WritePrivateProfileSectionW(section.c_str(), block.c_str(), path.c_str()) != FALSE;
}

// Spooler

HResult WinSpooler::Query(const std::wstring& printerName, PrinterInfo* info) {
  PRINTER_DEFAULTSW defaults{nullptr, nullptr, PRINTER_ACCESS_USE};
  UniquePrinter printer;
  if (!::OpenPrinterW(const_cast<wchar_t*>(printerName.c_str()), printer.put(), &defaults)) {
    return kPrinterUnavailable;
  }
  DWORD needed = 0;
  ::GetPrinterW(printer.get(), 2, nullptr, 0, &needed);
  if (needed == 0) return kPrinterUnavailable;
  std::vector<BYTE> data;
  try {
    data.resize(needed);
  } catch (const std::bad_alloc&) {
    return kOutOfMemory;
  }
  if (!::GetPrinterW(printer.get(), 2, data.data(), needed, &needed)) return kPrinterUnavailable;
  const auto* p2 = reinterpret_cast<const PRINTER_INFO_2W*>(data.data());
  info->driverName = p2->pDriverName ? p2->pDriverName : L"";
  info->portName = p2->pPortName ? p2->pPortName : L"";
  info->serverName = p2->pServerName ? p2->pServerName : L"";
  return kOk;
}

bool WinSpooler::ReadDefaultPrinter(std::wstring* name) {
  wchar_t buf[256];
  DWORD size = 256;
  if (!::GetDefaultPrinterW(buf, &size)) return false;
  *name = buf;
  return true;
}

bool WinSpooler::MakeDefaultPrinter(const std::wstring& name) { return ::SetDefaultPrinterW(name.c_str()) != FALSE; }

// Machine

std::wstring WinMachine::ComputerName() {
  wchar_t buf[MAX_COMPUTERNAME_LENGTH + 1];
  DWORD size = MAX_COMPUTERNAME_LENGTH + 1;
  return ::GetComputerNameW(buf, &size) ? std::wstring(buf, size) : std::wstring();
}

std::wstring WinMachine::PrinterDriverFolder() {
  wchar_t buf[MAX_PATH];
  DWORD needed = 0;
  if (!::GetPrinterDriverDirectoryW(nullptr, nullptr, 1, reinterpret_cast<BYTE*>(buf), sizeof(buf), &needed)) {
    return L"";
  }
  std::wstring folder = buf;
  while (!folder.empty() && folder.back() == L'\\') folder.pop_back();
  return folder;
}

std::wstring WinMachine::AppDataFolder() {
  wchar_t buf[MAX_PATH];
  if (FAILED(::SHGetFolderPathW(nullptr, CSIDL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, buf))) return L"";
  return buf;
}

bool WinMachine::EnsureFolder(const std::wstring& path) {
  return ::CreateDirectoryW(path.c_str(), nullptr) || ::GetLastError() == ERROR_ALREADY_EXISTS;
}

}  // namespace orv::pdf::win
