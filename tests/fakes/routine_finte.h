// Scripted system routines, linked into the core's tests in place of the
// platform's. Each test sets what the "system" answers; the routines keep the
// same contracts as the real ones.
#pragma once

#include <cstdint>
#include <string>

#include "shared/modulo1.h"

namespace Finte {

struct Sistema {
    // Directory; when it fails the routine returns 0 and writes nothing.
    std::string Directory = "C:\\WINDOWS";
    bool DirectoryFallisce = false;

    Modulo1::InfoSistema Info{};
    int ChiamateGetSystemInfo = 0;

    // Volume; a failed call, or a root other than RadiceValida, writes nothing.
    std::string RadiceValida = "c:\\";
    bool VolumeFallisce = false;
    std::string NomeVolume = "SISTEMA";
    std::string NomeFileSystem = "NTFS";
    std::int32_t NumeroSeriale = 0x1234ABCD;
    std::int32_t LunghezzaMassimaComponente = 255;
    std::int32_t FlagFileSystem = 0x2F;

    // What the program passed on its last calls.
    std::int32_t DimensioneDirectoryRicevuta = 0;
    std::string RadiceRicevuta;
    std::int32_t DimensioneNomeVolumeRicevuta = 0;
    std::int32_t DimensioneNomeFileSystemRicevuta = 0;
};

// The answers of the scripted system; reset to the defaults by Ripristina.
Sistema& Attuale();
void Ripristina();

}  // namespace Finte
