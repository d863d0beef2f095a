// Memory doubles of the store's machine services, for tests of the portable core:
// a registry tree, INI files, a spooler with a list of printers and fixed folders.
#pragma once
#include <algorithm>
#include <cwctype>
#include <map>
#include <string>
#include <vector>

#include "store_ports.h"

namespace orv::pdf::testing {

inline std::wstring Lower(std::wstring s) {
  for (wchar_t& c : s) c = static_cast<wchar_t>(std::towlower(c));
  return s;
}

class MemoryRegistry : public IRegistry {
 public:
  struct Key {
    std::map<std::wstring, RegValue> values;  // by lower-case name
    std::vector<std::wstring> order;          // subkey names as created
  };
  std::map<std::wstring, Key> keys;  // by lower-case full path
  bool failWrites = false;

  bool KeyExists(const std::wstring& key) override { return keys.count(Lower(key)) != 0; }
  RegValue Read(const std::wstring& key, const std::wstring& name) override {
    auto k = keys.find(Lower(key));
    if (k == keys.end()) return {};
    auto v = k->second.values.find(Lower(name));
    return v == k->second.values.end() ? RegValue{} : v->second;
  }
  bool WriteText(const std::wstring& key, const std::wstring& name, const std::wstring& text) override {
    if (failWrites) return false;
    RegValue v;
    v.kind = RegKind::Text;
    v.text = text;
    Create(key).values[Lower(name)] = v;
    return true;
  }
  bool WriteBinary(const std::wstring& key, const std::wstring& name, const std::string& bytes) override {
    if (failWrites) return false;
    RegValue v;
    v.kind = RegKind::Binary;
    v.bytes = bytes;
    Create(key).values[Lower(name)] = v;
    return true;
  }
  void WriteOther(const std::wstring& key, const std::wstring& name) {
    RegValue v;
    v.kind = RegKind::Other;
    Create(key).values[Lower(name)] = v;
  }
  std::vector<std::wstring> SubKeys(const std::wstring& key, std::size_t max) override {
    auto k = keys.find(Lower(key));
    if (k == keys.end()) return {};
    std::vector<std::wstring> out(k->second.order.begin(), k->second.order.end());
    if (out.size() > max) out.resize(max);
    return out;
  }
  bool DeleteTree(const std::wstring& key) override {
    if (failWrites) return false;
    std::wstring low = Lower(key);
    for (auto it = keys.begin(); it != keys.end();) {
      if (it->first == low || it->first.compare(0, low.size() + 1, low + L"\\") == 0) {
        it = keys.erase(it);
      } else {
        ++it;
      }
    }
    std::size_t cut = key.find_last_of(L'\\');
    if (cut != std::wstring::npos) {
      auto parent = keys.find(Lower(key.substr(0, cut)));
      if (parent != keys.end()) {
        auto& order = parent->second.order;
        std::wstring leaf = Lower(key.substr(cut + 1));
        order.erase(std::remove_if(order.begin(), order.end(), [&](const std::wstring& n) { return Lower(n) == leaf; }),
                    order.end());
      }
    }
    return true;
  }
  Key& Create(const std::wstring& key) {
    std::size_t cut = key.find_last_of(L'\\');
    if (!KeyExists(key) && cut != std::wstring::npos) {
      Create(key.substr(0, cut)).order.push_back(key.substr(cut + 1));
    }
    return keys[Lower(key)];
  }
};

class MemoryProfileFile : public IProfileFile {
 public:
  using Section = std::pair<std::wstring, IniLines>;
  std::map<std::wstring, std::vector<Section>> files;  // by lower-case path

  bool Exists(const std::wstring& path) override { return files.count(Lower(path)) != 0; }
  bool MakeEmpty(const std::wstring& path) override {
    files[Lower(path)].clear();
    return true;
  }
  std::optional<std::wstring> Read(const std::wstring& path, const std::wstring& section, const std::wstring& key,
                                   std::size_t bufferChars) override {
    IniLines* lines = Find(path, section);
    if (!lines) return std::nullopt;
    for (auto& [k, v] : *lines) {
      if (Lower(k) == Lower(key)) return bufferChars && v.size() >= bufferChars ? v.substr(0, bufferChars - 1) : v;
    }
    return std::nullopt;
  }
  bool Write(const std::wstring& path, const std::wstring& section, const std::wstring& key,
             const std::wstring& value) override {
    IniLines& lines = Make(path, section);
    for (auto& [k, v] : lines) {
      if (Lower(k) == Lower(key)) {
        v = value;
        return true;
      }
    }
    lines.emplace_back(key, value);
    return true;
  }
  std::vector<std::wstring> SectionNames(const std::wstring& path, std::size_t) override {
    std::vector<std::wstring> names;
    for (auto& s : files[Lower(path)]) names.push_back(s.first);
    return names;
  }
  IniLines ReadSection(const std::wstring& path, const std::wstring& section) override {
    IniLines* lines = Find(path, section);
    return lines ? *lines : IniLines();
  }
  bool WriteSection(const std::wstring& path, const std::wstring& section, const IniLines& lines) override {
    Make(path, section) = lines;
    return true;
  }
  IniLines* Find(const std::wstring& path, const std::wstring& section) {
    auto f = files.find(Lower(path));
    if (f == files.end()) return nullptr;
    for (auto& s : f->second) {
      if (Lower(s.first) == Lower(section)) return &s.second;
    }
    return nullptr;
  }
  IniLines& Make(const std::wstring& path, const std::wstring& section) {
    if (IniLines* lines = Find(path, section)) return *lines;
    auto& f = files[Lower(path)];
    f.emplace_back(section, IniLines());
    return f.back().second;
  }
};

class MemorySpooler : public ISpooler {
 public:
  std::map<std::wstring, PrinterInfo> printers;
  std::wstring defaultPrinter = L"Office";
  bool failSetDefault = false;

  HResult Query(const std::wstring& name, PrinterInfo* info) override {
    auto it = printers.find(name);
    if (it == printers.end()) return kPrinterUnavailable;
    *info = it->second;
    return kOk;
  }
  bool ReadDefaultPrinter(std::wstring* name) override {
    *name = defaultPrinter;
    return true;
  }
  bool MakeDefaultPrinter(const std::wstring& name) override {
    if (failSetDefault || (!printers.count(name) && name != L"Office")) return false;
    defaultPrinter = name;
    return true;
  }
};

class MemoryMachine : public IMachine {
 public:
  std::wstring computer = L"HOST1";
  std::wstring drivers = L"C:\\windows\\system32\\spool\\drivers\\x64";
  std::wstring appData = L"C:\\users\\me\\AppData\\Roaming";
  std::vector<std::wstring> folders;
  std::wstring ComputerName() override { return computer; }
  std::wstring PrinterDriverFolder() override { return drivers; }
  std::wstring AppDataFolder() override { return appData; }
  bool EnsureFolder(const std::wstring& path) override {
    folders.push_back(path);
    return true;
  }
};

struct MemoryPorts {
  MemoryRegistry registry;
  MemoryProfileFile file;
  MemorySpooler spooler;
  MemoryMachine machine;
  StorePorts ports() { return StorePorts{registry, file, spooler, machine}; }
};

}  // namespace orv::pdf::testing
