#include "CVivazorUvazApp.h"

#include "CDlgConfigure.h"
#include "exchange_line.h"
#include "linkbase/host_functions.h"
#include "linkbase/link_files.h"
#include "linkbase/link_text.h"

namespace orv::softplc {

namespace {
const wchar_t* const kExchangeFiles[] = {L"appli.dlo", L"appli.dco", L"appli.dte", L"appli.dme"};
constexpr int kExchangeFileCount = 4;
}  // namespace

CVivazorUvazApp& TheApp() {
  static CVivazorUvazApp app;
  return app;
}

int CVivazorUvazApp::OpenDLL() {
  m_file.reset();
  m_fileIndex = 0;
  m_directory = WithTrailingBackslash(Trim(HostGetStr(kProjectSection, L"AppDirectory", L"", 1024)));
  return m_directory.empty() ? 0 : 1;
}

void CVivazorUvazApp::CloseDLL() {
  m_file.reset();
  m_fileIndex = 0;
  m_directory.clear();
}

int CVivazorUvazApp::GetTagNameNext(TagRecord& record) {
  if (m_directory.empty()) return 0;
  if (!m_file) {
    if (m_fileIndex >= kExchangeFileCount) return 0;
    auto file = std::make_unique<CVELStdioFile>();
    if (file->Open((m_directory + kExchangeFiles[m_fileIndex]).c_str(),
                   CVELStdioFile::modeRead | CVELStdioFile::shareDenyWrite | CVELStdioFile::typeText))
      m_file = std::move(file);
  }
  if (!m_file) {
    ++m_fileIndex;
    record.skip = 1;
    return 1;
  }
  wchar_t buffer[kExchangeReadChars + 1];
  if (!m_file->ReadString(buffer, kExchangeReadChars + 1)) {
    m_file.reset();
    ++m_fileIndex;
    record.skip = 1;
    return 1;
  }
  ExchangeVariable variable = ParseExchangeLine(buffer);
  if (variable.skip) {
    record.skip = 1;
    return 1;
  }
  record.name = variable.name;
  record.type = variable.typeCode;
  record.description = variable.description;
  return 1;
}

void CVivazorUvazApp::GenerateDriverWorksheet(bool writeConfiguration, bool writeWorksheet) {
  if (writeConfiguration) {
    std::wstring server = HostGetStr(kProjectSection, L"ServerName", L"", 1024);
    bool autoExchange = IsTrueText(HostGetStr(kProjectSection, L"AutoExchange", L"TRUE", 1024));
    bool simulate = IsTrueText(HostGetStr(kProjectSection, L"Simulate", L"TRUE", 1024));
    WriteDriverConfig(L"PELDA.TFC",
                      VivazorConfigLines(server, AppFolderName(ReadAppDirectory()), autoExchange, simulate));
  }
  if (writeWorksheet) WriteDriverWorksheet(L"PELDA001.DRV", {ORV_VIVAZOR_PRODUCT, L"PELDA", L""}, {});
}

int CVivazorUvazApp::Recreate() {
  std::wstring directory = ReadAppDirectory();
  unsigned long long listTime = 0;
  if (!FileWriteTime(HostAppDatabasePath(L"tagl.plc"), listTime)) return 1;
  for (const wchar_t* name : kExchangeFiles) {
    unsigned long long time = 0;
    if (FileWriteTime(directory + name, time) && time > listTime) return 1;
  }
  return 0;
}

int CVivazorUvazApp::Configure() {
  CDlgConfigure dialog(::GetActiveWindow());
  return dialog.DoModal() == IDOK ? 1 : 0;
}

}  // namespace orv::softplc
