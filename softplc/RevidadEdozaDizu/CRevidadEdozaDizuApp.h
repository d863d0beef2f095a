// The state of the RevidadEdozaDizu link: the data export library loaded by OpenDLL and
// the handle of the running variable walk.
#pragma once
#include "linkbase/link_exports.h"
#include "win/unique_resource.h"

namespace orv::softplc {

class CRevidadEdozaDizuApp {
 public:
  int OpenDLL();
  void CloseDLL();
  int GetTagNameHead();
  int GetTagNameNext(TagRecord& record);
  void GenerateDriverWorksheet(bool writeConfiguration, bool writeWorksheet);
  int Recreate();
  int Configure();

 private:
  win::UniqueModule m_library;
  int m_handle = 0;
};

CRevidadEdozaDizuApp& TheApp();

}  // namespace orv::softplc
