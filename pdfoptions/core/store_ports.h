// What the option store needs from the machine: the current user's registry, the
// INI-format public profile file, the print spooler and a few folders. The Windows
// shell implements these with the real services; tests may use memory doubles.
#pragma once
#include <cstddef>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "pdf_result.h"

namespace orv::pdf {

enum class RegKind { Missing, Text, Binary, Other };

struct RegValue {
  RegKind kind = RegKind::Missing;
  std::wstring text;   // Text
  std::string bytes;   // Binary
};

// Key paths are relative to the current user's root, joined with backslashes.
class IRegistry {
 public:
  virtual ~IRegistry() = default;
  virtual bool KeyExists(const std::wstring& key) = 0;
  // Missing when the key or the value does not exist.
  virtual RegValue Read(const std::wstring& key, const std::wstring& name) = 0;
  // Both create the key when missing.
  virtual bool WriteText(const std::wstring& key, const std::wstring& name, const std::wstring& text) = 0;
  virtual bool WriteBinary(const std::wstring& key, const std::wstring& name, const std::string& bytes) = 0;
  // Names of the subkeys with index 0 to max-1, in the registry's order.
  virtual std::vector<std::wstring> SubKeys(const std::wstring& key, std::size_t max) = 0;
  // Removes the key with everything below it; true also when it did not exist.
  virtual bool DeleteTree(const std::wstring& key) = 0;
};

using IniLines = std::vector<std::pair<std::wstring, std::wstring>>;

// The platform's profile-string functions over one INI file named by path.
class IProfileFile {
 public:
  virtual ~IProfileFile() = default;
  virtual bool Exists(const std::wstring& path) = 0;
  // Creates the file, or empties it when it exists.
  virtual bool MakeEmpty(const std::wstring& path) = 0;
  // The value of a key, cut to bufferChars-1 characters; bufferChars 0 reads it whole.
  virtual std::optional<std::wstring> Read(const std::wstring& path, const std::wstring& section,
                                           const std::wstring& key, std::size_t bufferChars) = 0;
  virtual bool Write(const std::wstring& path, const std::wstring& section, const std::wstring& key,
                     const std::wstring& value) = 0;
  // Section names in file order, as far as they fit a buffer of bufferChars.
  virtual std::vector<std::wstring> SectionNames(const std::wstring& path, std::size_t bufferChars) = 0;
  // All key=value lines of a section, read whole.
  virtual IniLines ReadSection(const std::wstring& path, const std::wstring& section) = 0;
  // Replaces the section's content.
  virtual bool WriteSection(const std::wstring& path, const std::wstring& section, const IniLines& lines) = 0;
};

struct PrinterInfo {
  std::wstring driverName;
  std::wstring portName;
  std::wstring serverName;
};

class ISpooler {
 public:
  virtual ~ISpooler() = default;
  // kOk, kPrinterUnavailable or kOutOfMemory.
  virtual HResult Query(const std::wstring& printerName, PrinterInfo* info) = 0;
  virtual bool ReadDefaultPrinter(std::wstring* name) = 0;
  virtual bool MakeDefaultPrinter(const std::wstring& name) = 0;
};

class IMachine {
 public:
  virtual ~IMachine() = default;
  virtual std::wstring ComputerName() = 0;
  // The local printer driver folder, without a final backslash (empty when unknown).
  virtual std::wstring PrinterDriverFolder() = 0;
  // The user's application data folder, without a final backslash (empty when unknown).
  virtual std::wstring AppDataFolder() = 0;
  virtual bool EnsureFolder(const std::wstring& path) = 0;
};

struct StorePorts {
  IRegistry& registry;
  IProfileFile& file;
  ISpooler& spooler;
  IMachine& machine;
};

}  // namespace orv::pdf
