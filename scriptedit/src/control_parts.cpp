#include "control_parts.h"

namespace vse {

std::unique_ptr<IScriptHost> MakeScriptHost() { return std::make_unique<NoScriptHost>(); }

std::unique_ptr<ILineColourer> MakeLineColourer(IScriptHost&) { return std::make_unique<NormalLineColourer>(); }

std::unique_ptr<IIntelliSense> MakeIntelliSense(CVelScriptEditCtrl&, IScriptHost&) {
  return std::make_unique<NoIntelliSense>();
}

}  // namespace vse
