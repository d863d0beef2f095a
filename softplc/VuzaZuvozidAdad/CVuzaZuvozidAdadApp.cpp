#include "CVuzaZuvozidAdadApp.h"

#include <cstring>

#include "CDlgConfigure.h"
#include "item_kind.h"
#include "linkbase/host_functions.h"
#include "linkbase/link_files.h"

namespace orv::softplc {

namespace {
constexpr int kFirstTimerIndex = 2047;
// Room for the product's texts; the alias buffer of the product is 100 bytes.
constexpr int kTextBytes = 256;

std::string Text(const char* buffer) { return std::string(buffer, strnlen(buffer, kTextBytes - 1)); }
}  // namespace

CVuzaZuvozidAdadApp& TheApp() {
  static CVuzaZuvozidAdadApp app;
  return app;
}

void CVuzaZuvozidAdadApp::Release() {
  m_fn = OcFunctions{};
  m_inputs = m_outputs = m_memory = m_strings = 0;
  m_input = m_output = m_memoryItem = m_string = 0;
  m_timerIndex = -1;
  m_ocdll.reset();
  m_ocsystem.reset();
}

int CVuzaZuvozidAdadApp::OpenDLL() {
  m_ocdll.reset(::LoadLibraryW(HostTarvoBinPath(L"OCDLL.DLL").c_str()));
  if (!m_ocdll) return 0;
  m_ocsystem.reset(::LoadLibraryW(HostTarvoBinPath(L"ocSystem.DLL").c_str()));
  if (!m_ocsystem) return 0;
  if (!m_fn.Resolve(m_ocdll.get(), m_ocsystem.get())) {
    Release();
    return 0;
  }
  return 1;
}

void CVuzaZuvozidAdadApp::CloseDLL() {
  if (m_fn.detachDatabase) m_fn.detachDatabase();
  Release();
}

void CVuzaZuvozidAdadApp::StartCursor() {
  m_inputs = m_fn.getNumInputs();
  m_memory = m_fn.getNumMemory();
  m_outputs = m_fn.getNumOutputs();
  m_strings = m_fn.getNumStrings();
  m_input = m_fn.getFirstInput();
  m_memoryItem = m_fn.getFirstMemory();
  m_output = m_fn.getFirstOutput();
  m_string = m_fn.getFirstString();
  m_timerIndex = kFirstTimerIndex;
}

bool CVuzaZuvozidAdadApp::CursorExhausted() const {
  return m_inputs <= 0 && m_outputs <= 0 && m_memory <= 0 && m_strings <= 0 && m_timerIndex < 0;
}

bool CVuzaZuvozidAdadApp::FetchItem(std::string& alias, std::string& kind) {
  char aliasText[kTextBytes] = {};
  char kindText[kTextBytes] = {};
  struct Addressed {
    int& count;
    int& handle;
    OcIntFn next;
  } addressed[] = {{m_inputs, m_input, m_fn.getNextInput},
                   {m_outputs, m_output, m_fn.getNextOutput},
                   {m_memory, m_memoryItem, m_fn.getNextMemory}};
  bool fetched = false;
  for (Addressed& category : addressed) {
    if (category.count <= 0) continue;
    if (!m_fn.lookupAlias(category.handle, aliasText) || !m_fn.lookupDRV(category.handle, kindText)) return false;
    if (--category.count > 0) category.handle = category.next();
    fetched = true;
    break;
  }
  if (!fetched && m_strings > 0) {
    if (m_fn.getStringName(m_string, aliasText) != 0) return false;
    strcpy(kindText, kStringKind);
    if (--m_strings > 0) m_string = m_fn.getNextString();
    fetched = true;
  }
  if (!fetched && m_timerIndex >= 0) {
    if (m_fn.getTimerAlias(m_timerIndex, aliasText) == 0) return false;
    strcpy(kindText, kTimerKind);
    --m_timerIndex;
    fetched = true;
  }
  if (!fetched) return false;
  aliasText[kTextBytes - 1] = '\0';
  kindText[kTextBytes - 1] = '\0';
  alias = Text(aliasText);
  kind = Text(kindText);
  return true;
}

// Fetches until an item has a name; every fetch uses up one item, so this ends.
CVuzaZuvozidAdadApp::Fetch CVuzaZuvozidAdadApp::FetchNamedItem(std::string& alias, std::string& kind) {
  do {
    if (CursorExhausted()) return Fetch::Exhausted;
    if (!FetchItem(alias, kind)) return Fetch::Failed;
  } while (alias.empty());
  return Fetch::Named;
}

int CVuzaZuvozidAdadApp::GetTagNameHead() {
  if (!m_fn.HasHeadFunctions()) {
    Release();
    return 0;
  }
  if (m_fn.attachDatabase(0) != 0) {
    m_fn.detachDatabase();
    Release();
    return 0;
  }
  StartCursor();
  return 1;
}

int CVuzaZuvozidAdadApp::GetTagNameNext(TagRecord& record) {
  std::string alias, kind;
  if (!m_fn.HasFetchFunctions() || FetchNamedItem(alias, kind) != Fetch::Named) {
    Release();
    return 0;
  }
  ItemTag tag = TagOfItem(alias, kind);
  record.name = tag.tagName;
  record.type = tag.typeCode;
  return 1;
}

bool CVuzaZuvozidAdadApp::WriteCategory(const wchar_t* file, const wchar_t* word) {
  std::vector<WorksheetRow> rows;
  for (std::size_t i = 0; i < m_names.size(); ++i) rows.push_back({m_names[i], m_addresses[i]});
  return WriteDriverWorksheet(file, {word, L"ZAVO", word}, rows);
}

void CVuzaZuvozidAdadApp::GenerateDriverWorksheet(bool writeConfiguration, bool writeWorksheet) {
  m_ocdll.reset(::LoadLibraryW(L"OCDLL.DLL"));
  m_ocsystem.reset(::LoadLibraryW(L"ocSystem.DLL"));
  if (!m_ocdll || !m_ocsystem || !m_fn.Resolve(m_ocdll.get(), m_ocsystem.get())) {
    Release();
    return;
  }
  if (m_fn.attachDatabase(0) != 0) {
    m_fn.detachDatabase();
    Release();
    return;
  }
  if (writeConfiguration) WriteDriverConfig(L"ZAVO.TFC", VuzaConfigLines());
  if (writeWorksheet) {
    StartCursor();
    struct Pass {
      const int* count;  // null: the timers, which run while the index is 0 or more
      const wchar_t* file;
      const wchar_t* word;
    } passes[] = {{&m_inputs, L"ZAVO001.DRV", L"INPUTS"},
                  {&m_outputs, L"ZAVO002.DRV", L"OUTPUTS"},
                  {&m_memory, L"ZAVO003.DRV", L"MEMORY"},
                  {&m_strings, L"ZAVO004.DRV", L"STRINGS"},
                  {nullptr, L"ZAVO005.DRV", L"TIMERS"}};
    auto remains = [this](const Pass& pass) { return pass.count ? *pass.count > 0 : m_timerIndex >= 0; };
    bool stop = false;
    for (const Pass& pass : passes) {
      m_names.clear();
      m_addresses.clear();
      while (!stop && remains(pass)) {
        std::string alias, kind;
        Fetch fetch = FetchNamedItem(alias, kind);
        if (fetch == Fetch::Failed) {
          stop = true;
          break;
        }
        if (fetch == Fetch::Exhausted) {
          // No named item is left: what this pass collected still gets its worksheet.
          if (!m_names.empty()) WriteCategory(pass.file, pass.word);
          stop = true;
          break;
        }
        ItemTag tag = TagOfItem(alias, kind);
        m_addresses.push_back(tag.address);
        m_names.push_back(tag.tagName);
        if (!remains(pass) && !WriteCategory(pass.file, pass.word)) stop = true;
      }
      if (stop) break;
    }
    m_names.clear();
    m_addresses.clear();
  }
  m_fn.detachDatabase();
  Release();
}

int CVuzaZuvozidAdadApp::Recreate() {
  GenerateDriverWorksheet(false, true);
  return 1;
}

int CVuzaZuvozidAdadApp::Configure() {
  CDlgConfigure dialog(::GetActiveWindow());
  return dialog.DoModal() == IDOK ? 1 : 0;
}

}  // namespace orv::softplc
