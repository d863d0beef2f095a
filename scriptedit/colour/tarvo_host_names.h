// The colorizer's questions to the host runtime library (tarvo.dll), and its colours from
// the host's per-machine settings.
#pragma once
#include <string>

#include "colour_classes.h"
#include "colour_lookups.h"

namespace orv {

// Tags through DBGetVar (no tag without an open project database), built-in host
// functions through MTIsFunctionName.
class CTarvoHostNames final : public IHostNameLookup {
 public:
  bool IsTagName(const std::wstring& name) override;
  // A call head "$ Name (" is asked as "Name (": the host's test knows names, not the "$".
  bool IsHostFunctionName(const std::wstring& text) override;
};

// The nine colours from section "ScriptEditor" of the per-machine settings
// (APTarvoGetIntLocal), each with its default.
ColourTable ReadHostColourTable();

}  // namespace orv
