// The system's side of the three routines: single-byte, NUL-terminated buffers.
// One implementation per platform; the tests link a scripted one instead.
#pragma once

#include <cstdint>

#include "modulo1.h"

namespace Modulo1::Nativo {

// Writes at most uSize bytes (the NUL included) into lpBuffer; never writes
// when it returns the size needed or 0.
std::int32_t GetWindowsDirectoryA(char* lpBuffer, std::int32_t uSize);

void GetSystemInfo(InfoSistema& Dati);

// On failure returns 0 and writes nothing at all.
std::int32_t GetVolumeInformationA(const char* lpRootPathName, char* lpVolumeNameBuffer,
                                   std::int32_t nVolumeNameSize, std::int32_t& NumeroSeriale,
                                   std::int32_t& LunghezzaMassimaComponente,
                                   std::int32_t& FlagFileSystem, char* lpFileSystemNameBuffer,
                                   std::int32_t nFileSystemNameSize);

}  // namespace Modulo1::Nativo
