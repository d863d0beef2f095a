// The ThinkDoLink plug-in's state: the open map reader and the restart flag.
#pragma once
#include <memory>

#include "CNameMapper.h"
#include "linkbase/link_exports.h"

namespace orv::softplc {

class CThinkDoLinkApp {
 public:
  int OpenDLL();
  void CloseDLL() { m_mapper.reset(); }
  int GetTagNameHead();
  int GetTagNameNext(TagRecord& record);
  void GenerateDriverWorksheet(bool writeConfiguration, bool writeWorksheet);
  int Recreate();
  int Configure();

 private:
  std::unique_ptr<CNameMapper> m_mapper;
  bool m_restart = false;
};

CThinkDoLinkApp& TheApp();

}  // namespace orv::softplc
