#include "CThinkDoLinkApp.h"

#include "CDlgConfigure.h"
#include "linkbase/host_functions.h"
#include "linkbase/link_files.h"
#include "linkbase/link_text.h"
#include "map_record.h"

namespace orv::softplc {

CThinkDoLinkApp& TheApp() {
  static CThinkDoLinkApp app;
  return app;
}

int CThinkDoLinkApp::OpenDLL() {
  m_mapper = OpenMapOfApplication();
  return m_mapper ? 1 : 0;
}

int CThinkDoLinkApp::GetTagNameHead() {
  m_restart = true;
  return 1;
}

int CThinkDoLinkApp::GetTagNameNext(TagRecord& record) {
  if (!m_mapper) return 0;
  std::wstring line;
  bool restart = m_restart;
  m_restart = false;
  if (!m_mapper->ReadRecord(restart, line)) return 0;
  MapRecord parsed = ParseMapRecord(line);
  MapTag tag = TagOfRecord(parsed);
  record.description = parsed.pointName;
  if (!tag.known) {
    record.skip = 1;
    return 1;
  }
  record.name = tag.tagName;
  record.type = tag.typeCode;
  return 1;
}

void CThinkDoLinkApp::GenerateDriverWorksheet(bool writeConfiguration, bool writeWorksheet) {
  if (writeConfiguration) {
    std::wstring ip = HostGetStr(kProjectSection, L"IPAddress", L"", 1024);
    WriteDriverConfig(L"MURV.TFC", ThinkDoConfigLines(ip, AppFolderName(ReadAppDirectory())));
  }
  if (!writeWorksheet) return;
  std::unique_ptr<CNameMapper> mapper = OpenMapOfApplication();
  if (!mapper) return;
  std::vector<WorksheetRow> rows;
  std::wstring line;
  for (bool first = true; mapper->ReadRecord(first, line); first = false) {
    MapTag tag = TagOfRecord(ParseMapRecord(line));
    if (!tag.known || tag.tagName.empty() || tag.address.empty()) continue;
    if (HostTagExists(tag.tagName)) continue;
    rows.push_back({tag.tagName, tag.address});
  }
  WriteDriverWorksheet(L"MURV001.DRV", {L"Think & Do", L"MURV", L""}, rows);
}

int CThinkDoLinkApp::Recreate() {
  unsigned long long listTime = 0;
  if (!FileWriteTime(HostAppDatabasePath(L"tagl.plc"), listTime)) return 1;
  std::wstring directory = ReadAppDirectory();
  std::wstring map = FindFirstMatch(directory + L"*.MAP");
  unsigned long long mapTime = 0;
  if (!map.empty() && FileWriteTime(directory + map, mapTime) && mapTime > listTime) {
    GenerateDriverWorksheet(false, true);
    return 1;
  }
  return 0;
}

int CThinkDoLinkApp::Configure() {
  CDlgConfigure dialog(::GetActiveWindow());
  return dialog.DoModal() == IDOK ? 1 : 0;
}

}  // namespace orv::softplc
