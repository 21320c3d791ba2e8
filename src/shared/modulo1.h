// Modulo1: what the reports share outside the window.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace Modulo1 {

// The processor and memory facts, as the eight 32-bit fields the reports read.
struct InfoSistema {
    std::int32_t dwOemId = 0;
    std::int32_t dwPageSize = 0;
    std::int32_t lpMinimumApplicationAddress = 0;
    std::int32_t lpMaximumApplicationAddress = 0;
    std::int32_t dwActiveProcessorMask = 0;
    std::int32_t dwNumberOfProcessors = 0;
    std::int32_t dwProcessorType = 0;
    std::int32_t dwAllocationGranularity = 0;
};

// Lives for the whole run; every GetSystemInfo overwrites it.
extern InfoSistema DatiSistema;

// The text of Testo before its first NUL, at most Lunghezza characters
// (256 when Lunghezza is 0, none when it is negative).
std::u16string TroncaAlNul(std::u16string Testo, std::int32_t Lunghezza);

// The three system routines. Each text goes to the system as a single-byte
// copy with a terminating NUL and comes back converted into the caller's
// variable; sizes count characters, the NUL included.

// Characters stored, without the NUL; the size needed when Dimensione is too
// small (Buffer then untouched); 0 on failure.
std::int32_t GetWindowsDirectoryA(std::u16string& Buffer, std::int32_t Dimensione);

void GetSystemInfo(InfoSistema& Dati);

// Nonzero on success; 0 on failure, with every output left as it was.
std::int32_t GetVolumeInformationA(std::u16string_view Radice, std::u16string& NomeVolume,
                                   std::int32_t DimensioneNomeVolume, std::int32_t& NumeroSeriale,
                                   std::int32_t& LunghezzaMassimaComponente,
                                   std::int32_t& FlagFileSystem, std::u16string& NomeFileSystem,
                                   std::int32_t DimensioneNomeFileSystem);

}  // namespace Modulo1
