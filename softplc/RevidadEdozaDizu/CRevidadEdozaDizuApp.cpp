#include "CRevidadEdozaDizuApp.h"

#include <cstdint>
#include <cwchar>

#include "CDlgConfigure.h"
#include "data_export.h"
#include "linkbase/host_functions.h"
#include "linkbase/link_files.h"
#include "textfile/CVELStdioFile.h"
#include "variable_rows.h"

namespace orv::softplc {

namespace {
const wchar_t kLibrary[] = L"DataExp3.DLL";

// One variable of the library's walk; false when the library ends it.
bool NextVariable(ExportNextFn next, int& handle, ExportVariable& variable) {
  char name[kExportTextBytes] = {};
  int dataType = 0, dimensions = 0, length = 0, unused1 = 0, unused2 = 0, unused3 = 0;
  if (next(&handle, name, kExportTextBytes, &dataType, &dimensions, &length, &unused1, &unused2, &unused3) != 0)
    return false;
  name[kExportTextBytes - 1] = '\0';
  variable = {WideExportText(name), dataType, dimensions, length};
  return true;
}
}  // namespace

CRevidadEdozaDizuApp& TheApp() {
  static CRevidadEdozaDizuApp app;
  return app;
}

int CRevidadEdozaDizuApp::OpenDLL() {
  m_handle = 0;
  m_library.reset(::LoadLibraryW(HostTarvoBinPath(kLibrary).c_str()));
  return m_library ? 1 : 0;
}

void CRevidadEdozaDizuApp::CloseDLL() {
  m_handle = 0;
  m_library.reset();
}

int CRevidadEdozaDizuApp::GetTagNameHead() {
  auto head = ExportFunction<ExportHeadFn>(m_library.get(), "GetTagNameHead");
  if (!head) return 0;
  m_handle = 0;
  return head(&m_handle) == 0 && m_handle != 0 ? 1 : 0;
}

int CRevidadEdozaDizuApp::GetTagNameNext(TagRecord& record) {
  auto next = ExportFunction<ExportNextFn>(m_library.get(), "GetTagNameNext");
  if (!next || m_handle == 0) return 0;
  ExportVariable variable;
  if (!NextVariable(next, m_handle, variable)) {
    m_handle = 0;
    return 0;
  }
  ExportTag tag = TagOfVariable(variable);
  record.name = variable.name;
  record.skip = tag.skip ? 1 : 0;
  record.arraySize = tag.skip ? 0 : tag.arraySize;
  record.type = tag.skip ? 0 : tag.typeCode;
  return 1;
}

void CRevidadEdozaDizuApp::GenerateDriverWorksheet(bool writeConfiguration, bool writeWorksheet) {
  win::UniqueModule library(::LoadLibraryW(HostTarvoBinPath(kLibrary).c_str()));
  auto head = ExportFunction<ExportHeadFn>(library.get(), "GetTagNameHead");
  auto next = ExportFunction<ExportNextFn>(library.get(), "GetTagNameNext");
  if (!head || !next) return;
  if (writeConfiguration) WriteDriverConfig(L"HOLMA.TFC", RevidadConfigLines());
  if (!writeWorksheet) return;
  CVELStdioFile file;
  if (!file.Open(ConfigFilePath(L"HOLMA001.DRV").c_str(), CVELStdioFile::modeCreate | CVELStdioFile::modeWrite |
                                                              CVELStdioFile::shareExclusive | CVELStdioFile::typeText))
    return;
  std::vector<WorksheetRow> rows;
  int handle = 0;
  if (head(&handle) == 0) {
    ExportVariable variable;
    while (handle != 0 && NextVariable(next, handle, variable)) AppendRows(variable, rows);
  }
  library.reset();
  file.WriteString(WorksheetText({L"RevidadEdozaDizu", L"HOLMA", L""}, rows).c_str());
}

int CRevidadEdozaDizuApp::Recreate() {
  auto info = ExportFunction<GetRunningProjectInfoFn>(m_library.get(), "GetRunningProjectInfo");
  if (!info) return 0;
  char name[kExportTextBytes] = {};
  unsigned int version = 0;
  int status = 0;
  if (info(name, kExportTextBytes, &version, &status) != 0) return 0;
  name[kExportTextBytes - 1] = '\0';
  if (!name[0]) return 0;
  // The setting is written unsigned and read signed: both "-1" and "4294967295" stand
  // for the same 32-bit value.
  std::wstring stored = HostGetStr(kProjectSection, L"ProjVersion", L"-1", 64);
  auto storedVersion = static_cast<std::uint32_t>(std::wcstoll(stored.c_str(), nullptr, 10));
  HostSetStr(kProjectSection, L"ProjVersion", std::to_wstring(version));
  if (storedVersion == version) return 0;
  GenerateDriverWorksheet(false, true);
  return 1;
}

int CRevidadEdozaDizuApp::Configure() {
  CDlgConfigure dialog(::GetActiveWindow());
  return dialog.DoModal() == IDOK ? 1 : 0;
}

}  // namespace orv::softplc
