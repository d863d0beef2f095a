// The state of a VivazorUvaz link: the application directory and the exchange file
// being read.
#pragma once
#include <memory>
#include <string>

#include "linkbase/link_exports.h"
#include "product.h"
#include "textfile/CVELStdioFile.h"

namespace orv::softplc {

class CVivazorUvazApp {
 public:
  int OpenDLL();
  void CloseDLL();
  int GetTagNameHead() { return 1; }
  int GetTagNameNext(TagRecord& record);
  void GenerateDriverWorksheet(bool writeConfiguration, bool writeWorksheet);
  int Recreate();
  int Configure();

 private:
  std::wstring m_directory;
  int m_fileIndex = 0;
  std::unique_ptr<CVELStdioFile> m_file;
};

CVivazorUvazApp& TheApp();

}  // namespace orv::softplc
