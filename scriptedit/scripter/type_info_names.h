// Reading names out of automation type information.
#pragma once
#include <windows.h>
#include <oaidl.h>

#include <string>
#include <vector>

namespace orv {

// The documentation name of member `memid`, empty when there is none.
std::wstring MemberName(ITypeInfo* info, MEMBERID memid);

// The names of member `memid`: its own name first, then its parameters (at most 64 in all).
std::vector<std::wstring> MemberNames(ITypeInfo* info, MEMBERID memid);

// The listable members of an interface: methods to `functions`, property-gets to
// `variables` (property-puts skipped), dispatch variables to `variables`. Restricted and
// hidden functions, and names starting with "_", are left out; a variable is left out
// when any of its flags in `excludedVarFlags` is set.
void ListMembers(ITypeInfo* info, unsigned excludedVarFlags, std::vector<std::wstring>& functions,
                 std::vector<std::wstring>& variables);

// Index of the first function whose name equals `name` without regard to case; -1 if none.
int FunctionIndexByName(ITypeInfo* info, const std::wstring& name);

// The parameters of function `index`, optional ones in square brackets. False when the
// function has no parameter.
bool FunctionParameters(ITypeInfo* info, int index, std::vector<std::wstring>& params);

// Every name the library answers to: its types' names and their members' names first
// (`members`), then the members' parameter names (`parameters`), in library order.
void CollectLibraryNames(ITypeLib* library, std::vector<std::wstring>& members, std::vector<std::wstring>& parameters);

// The ASCII upper-case form (names of the engine's library are ASCII).
std::wstring UpperCase(std::wstring text);
bool EqualNoCase(const std::wstring& a, const std::wstring& b);

}  // namespace orv
