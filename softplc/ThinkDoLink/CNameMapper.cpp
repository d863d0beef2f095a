#include "CNameMapper.h"

#include "linkbase/host_functions.h"
#include "linkbase/link_dialog.h"
#include "linkbase/link_files.h"
#include "map_record.h"
#include "resource.h"
#include "ui/resource_context.h"

namespace orv::softplc {

bool CNameMapper::Open() {
  m_file = std::make_unique<CVELStdioFile>();
  if (m_file->Open(MapPath().c_str(), CVELStdioFile::modeRead | CVELStdioFile::shareDenyNone |
                                          CVELStdioFile::typeText))
    return true;
  m_file.reset();
  return false;
}

bool CNameMapper::ReadPiece(std::wstring& piece) {
  wchar_t buffer[kMapReadChars + 1];
  if (!m_file || !m_file->ReadString(buffer, kMapReadChars + 1) || m_file->HasError()) return false;
  piece = buffer;
  return true;
}

bool CNameMapper::ReadRecord(bool restart, std::wstring& record) {
  if (restart) {
    if (!Open()) return false;
    std::wstring header;
    if (!ReadPiece(header) || !ReadPiece(header)) return false;
  }
  return ReadPiece(record);
}

std::unique_ptr<CNameMapper> OpenMapOfApplication() {
  std::wstring directory = ReadAppDirectory();
  std::wstring found = FindFirstMatch(HostAppDatabasePath(directory + L"*.MAP"));
  if (found.empty()) return nullptr;
  if (found.size() > 3) found.resize(found.size() - 4);
  auto mapper = std::make_unique<CNameMapper>(directory + found);
  if (!mapper->Open()) {
    ShowLinkMessage(::GetActiveWindow(), ui::LoadResString(IDS_ERROR_OPENING_MAP) + mapper->MapPath());
    return nullptr;
  }
  return mapper;
}

}  // namespace orv::softplc
