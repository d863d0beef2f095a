// The store's machine services on Windows: the current user's registry, the
// profile-string functions, the print spooler and the shell's folders.
#pragma once
#include "store_ports.h"

namespace orv::pdf::win {

class WinRegistry : public IRegistry {
 public:
  bool KeyExists(const std::wstring& key) override;
  RegValue Read(const std::wstring& key, const std::wstring& name) override;
  bool WriteText(const std::wstring& key, const std::wstring& name, const std::wstring& text) override;
  bool WriteBinary(const std::wstring& key, const std::wstring& name, const std::string& bytes) override;
  std::vector<std::wstring> SubKeys(const std::wstring& key, std::size_t max) override;
  bool DeleteTree(const std::wstring& key) override;
};

class WinProfileFile : public IProfileFile {
 public:
  bool Exists(const std::wstring& path) override;
  bool MakeEmpty(const std::wstring& path) override;
  std::optional<std::wstring> Read(const std::wstring& path, const std::wstring& section, const std::wstring& key,
                                   std::size_t bufferChars) override;
  bool Write(const std::wstring& path, const std::wstring& section, const std::wstring& key,
             const std::wstring& value) override;
  std::vector<std::wstring> SectionNames(const std::wstring& path, std::size_t bufferChars) override;
  IniLines ReadSection(const std::wstring& path, const std::wstring& section) override;
  bool WriteSection(const std::wstring& path, const std::wstring& section, const IniLines& lines) override;
};

class WinSpooler : public ISpooler {
 public:
  HResult Query(const std::wstring& printerName, PrinterInfo* info) override;
  bool ReadDefaultPrinter(std::wstring* name) override;
  bool MakeDefaultPrinter(const std::wstring& name) override;
};

class WinMachine : public IMachine {
 public:
  std::wstring ComputerName() override;
  std::wstring PrinterDriverFolder() override;
  std::wstring AppDataFolder() override;
  bool EnsureFolder(const std::wstring& path) override;
};

// One set of the real services.
struct WinPorts {
  WinRegistry registry;
  WinProfileFile file;
  WinSpooler spooler;
  WinMachine machine;
  StorePorts ports() { return StorePorts{registry, file, spooler, machine}; }
};

}  // namespace orv::pdf::win
