// The three kernel32 routines the program binds by name: their export names
// and types. Shared with the tests, which must reach the same bound addresses.
#pragma once

#include <windows.h>

#include "legame.h"

namespace Modulo1::Kernel32 {

inline constexpr char Libreria[] = "kernel32";
inline constexpr char NomeGetWindowsDirectoryA[] = "GetWindowsDirectoryA";
inline constexpr char NomeGetSystemInfo[] = "GetSystemInfo";
inline constexpr char NomeGetVolumeInformationA[] = "GetVolumeInformationA";

using FirmaGetWindowsDirectoryA = UINT(WINAPI*)(LPSTR, UINT);
using FirmaGetSystemInfo = void(WINAPI*)(LPSYSTEM_INFO);
using FirmaGetVolumeInformationA = BOOL(WINAPI*)(LPCSTR, LPSTR, DWORD, LPDWORD, LPDWORD, LPDWORD,
                                                 LPSTR, DWORD);

inline FirmaGetWindowsDirectoryA GetWindowsDirectoryA() {
    return Legame::Legata<FirmaGetWindowsDirectoryA, Libreria, NomeGetWindowsDirectoryA>();
}

inline FirmaGetSystemInfo GetSystemInfo() {
    return Legame::Legata<FirmaGetSystemInfo, Libreria, NomeGetSystemInfo>();
}

inline FirmaGetVolumeInformationA GetVolumeInformationA() {
    return Legame::Legata<FirmaGetVolumeInformationA, Libreria, NomeGetVolumeInformationA>();
}

}  // namespace Modulo1::Kernel32
