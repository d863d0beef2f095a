// Where the control gets its colouring, engine host and IntelliSense parts. Syntax
// colouring, the script engine host and IntelliSense plug in here.
#pragma once
#include <memory>

#include "intellisense.h"
#include "line_colourer.h"
#include "script_host.h"

namespace vse {

class CVelScriptEditCtrl;

std::unique_ptr<IScriptHost> MakeScriptHost();
std::unique_ptr<ILineColourer> MakeLineColourer(IScriptHost& host);
std::unique_ptr<IIntelliSense> MakeIntelliSense(CVelScriptEditCtrl& control, IScriptHost& host);

}  // namespace vse
