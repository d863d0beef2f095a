#include "control_parts.h"

#include "colouring_parts.h"

namespace vse {

std::unique_ptr<IScriptHost> MakeScriptHost() { return std::make_unique<ScriptEngineHost>(); }

std::unique_ptr<ILineColourer> MakeLineColourer(IScriptHost& host) {
  auto* engineHost = dynamic_cast<ScriptEngineHost*>(&host);
  return std::make_unique<SyntaxLineColourer>(engineHost ? &engineHost->scripter() : nullptr);
}

std::unique_ptr<IIntelliSense> MakeIntelliSense(CVelScriptEditCtrl&, IScriptHost&) {
  return std::make_unique<NoIntelliSense>();
}

}  // namespace vse
