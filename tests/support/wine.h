#pragma once

// Whether the Windows build runs under Wine rather than on Windows: a few
// pixel and metric checks depend on how Wine rasterises the faces and are
// skipped there, by name and with the reason.

#ifdef _WIN32
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#endif

namespace velmaro::test {

inline bool RunningUnderWine() {
#ifdef _WIN32
    const HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
    return ntdll != nullptr && GetProcAddress(ntdll, "wine_get_version") != nullptr;
#else
    return false;
#endif
}

} // namespace velmaro::test
