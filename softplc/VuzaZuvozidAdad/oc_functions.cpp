#include "oc_functions.h"

namespace orv::softplc {

bool OcFunctions::Resolve(HMODULE ocdll, HMODULE ocsystem) {
  bool all = true;
  all &= ResolveFunction(ocdll, "ocAttachDatabase", attachDatabase);
  all &= ResolveFunction(ocdll, "ocDetachDatabase", detachDatabase);
  all &= ResolveFunction(ocdll, "ocGetNumInputs", getNumInputs);
  all &= ResolveFunction(ocdll, "ocGetNumMemory", getNumMemory);
  all &= ResolveFunction(ocdll, "ocGetNumOutputs", getNumOutputs);
  all &= ResolveFunction(ocdll, "ocGetNumStrings", getNumStrings);
  all &= ResolveFunction(ocdll, "ocGetFirstInput", getFirstInput);
  all &= ResolveFunction(ocdll, "ocGetFirstMemory", getFirstMemory);
  all &= ResolveFunction(ocdll, "ocGetFirstOutput", getFirstOutput);
  all &= ResolveFunction(ocdll, "ocGetFirstString", getFirstString);
  all &= ResolveFunction(ocdll, "ocGetNextInput", getNextInput);
  all &= ResolveFunction(ocdll, "ocGetNextMemory", getNextMemory);
  all &= ResolveFunction(ocdll, "ocGetNextOutput", getNextOutput);
  all &= ResolveFunction(ocdll, "ocGetNextString", getNextString);
  all &= ResolveFunction(ocdll, "ocLookupAlias", lookupAlias);
  all &= ResolveFunction(ocdll, "ocLookupDRV", lookupDRV);
  all &= ResolveFunction(ocdll, "ocGetStringName", getStringName);
  all &= ResolveFunction(ocsystem, "ocsGetTimerAlias", getTimerAlias);
  return all;
}

bool OcFunctions::HasHeadFunctions() const {
  return attachDatabase && detachDatabase && getNumInputs && getNumMemory && getNumOutputs && getNumStrings &&
         getFirstInput && getFirstMemory && getFirstOutput && getFirstString;
}

bool OcFunctions::HasFetchFunctions() const {
  return lookupAlias && getNextInput && getNextMemory && getNextOutput && getNextString && lookupDRV &&
         getStringName && getTimerAlias;
}

}  // namespace orv::softplc
