// Reader of a Think & Do map file: two header lines, then one record per line, each
// read in pieces of at most 99 characters.
#pragma once
#include <memory>
#include <string>

#include "textfile/CVELStdioFile.h"

namespace orv::softplc {

class CNameMapper {
 public:
  // `basePath`: application directory and the map's name without extension.
  explicit CNameMapper(std::wstring basePath) : m_basePath(std::move(basePath)) {}

  bool Open();
  bool IsOpen() const { return m_file && m_file->IsOpen(); }
  std::wstring MapPath() const { return m_basePath + L".map"; }

  // The first record after a restart (from the start of the file, past the two header
  // lines), else the next one. False at the end of the file or on a read error.
  bool ReadRecord(bool restart, std::wstring& record);

 private:
  bool ReadPiece(std::wstring& piece);

  std::wstring m_basePath;
  std::unique_ptr<CVELStdioFile> m_file;
};

// Finds the map file of the application directory and opens a reader on it; null when
// there is none or it cannot be opened (which is reported to the user).
std::unique_ptr<CNameMapper> OpenMapOfApplication();

}  // namespace orv::softplc
