// The system's side of the three routines on Windows: kernel32, bound by name.
// A routine that cannot be bound behaves as a failed call.
#include "routine_kernel32.h"

#include <algorithm>
#include <cstring>
#include <string>

#include "info_sistema_win32.h"
#include "shared/routine_native.h"

namespace Modulo1::Nativo {

namespace {

// A negative size would become a huge UINT and let the system write past the
// buffer; it asks for no room at all instead.
UINT Dimensione(std::int32_t Valore) { return static_cast<UINT>(std::max(Valore, 0)); }

// Hands the caller the text the system wrote, up to and with its NUL, as the
// system itself would have written it.
void CopiaTesto(char* Destinazione, const std::string& Scritto) {
    const std::size_t Lunghezza = std::min(std::strlen(Scritto.c_str()) + 1, Scritto.size());
    std::memcpy(Destinazione, Scritto.data(), Lunghezza);
}

}  // namespace

std::int32_t GetWindowsDirectoryA(char* lpBuffer, std::int32_t uSize) {
    const auto Routine = Kernel32::GetWindowsDirectoryA();
    if (Routine == nullptr) {
        return 0;
    }
    // Into a copy first: the caller's buffer is written only by a complete answer.
    const UINT Spazio = Dimensione(uSize);
    std::string Copia(Spazio, '\0');
    const UINT Risultato = Routine(Copia.data(), Spazio);
    if (Risultato != 0 && Risultato < Spazio) {
        CopiaTesto(lpBuffer, Copia);
    }
    return static_cast<std::int32_t>(Risultato);
}

void GetSystemInfo(InfoSistema& Dati) {
    const auto Routine = Kernel32::GetSystemInfo();
    if (Routine == nullptr) {
        return;
    }
    SYSTEM_INFO Info{};
    Routine(&Info);
    Dati = DaSystemInfo(Info);
}

std::int32_t GetVolumeInformationA(const char* lpRootPathName, char* lpVolumeNameBuffer,
                                   std::int32_t nVolumeNameSize, std::int32_t& NumeroSeriale,
                                   std::int32_t& LunghezzaMassimaComponente,
                                   std::int32_t& FlagFileSystem, char* lpFileSystemNameBuffer,
                                   std::int32_t nFileSystemNameSize) {
    const auto Routine = Kernel32::GetVolumeInformationA();
    if (Routine == nullptr) {
        return 0;
    }
    // The system may fill some outputs before it fails; the caller's are
    // written only after a success.
    const DWORD SpazioVolume = Dimensione(nVolumeNameSize);
    const DWORD SpazioFileSystem = Dimensione(nFileSystemNameSize);
    std::string Volume(SpazioVolume, '\0');
    std::string FileSystem(SpazioFileSystem, '\0');
    DWORD Seriale = 0;
    DWORD Componente = 0;
    DWORD Flag = 0;
    const BOOL Risultato = Routine(lpRootPathName, Volume.data(), SpazioVolume, &Seriale,
                                   &Componente, &Flag, FileSystem.data(), SpazioFileSystem);
    if (!Risultato) {
        return 0;
    }
    CopiaTesto(lpVolumeNameBuffer, Volume);
    CopiaTesto(lpFileSystemNameBuffer, FileSystem);
    NumeroSeriale = static_cast<std::int32_t>(Seriale);
    LunghezzaMassimaComponente = static_cast<std::int32_t>(Componente);
    FlagFileSystem = static_cast<std::int32_t>(Flag);
    return Risultato;
}

}  // namespace Modulo1::Nativo
