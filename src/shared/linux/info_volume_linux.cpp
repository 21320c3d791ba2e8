// GetVolumeInformationA on Linux: drive "c:\" is the file system mounted on
// "/". Every fact is gathered before anything is written, so a call that
// fails leaves all its outputs as they were.
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>

#include "etichetta_volume.h"
#include "flag_file_system.h"
#include "shared/basso32.h"
#include "shared/routine_native.h"
#include "sistema.h"
#include "tabella_mount.h"

namespace Modulo1::Nativo {

namespace {

// True only for "c:\", in either case: the one drive this system has.
bool RadiceDelSistema(const char* Radice) {
    return Radice != nullptr && (Radice[0] == 'c' || Radice[0] == 'C') && Radice[1] == ':' &&
           Radice[2] == '\\' && Radice[3] == '\0';
}

// statvfs of Percorso, retried after a signal; nullopt when it fails.
std::optional<struct statvfs> StatoVolume(const char* Percorso) {
    struct statvfs Stato {};
    int Esito = -1;
    do {
        Esito = Linux::StatoFileSystem(Percorso, Stato);
    } while (Esito != 0 && errno == EINTR);
    if (Esito != 0) {
        return std::nullopt;
    }
    return Stato;
}

// Writes Testo and a NUL into at most Dimensione bytes of Buffer, cutting the
// text to fit; writes nothing when Dimensione <= 0 or there is no buffer.
void CopiaTroncata(char* Buffer, std::int32_t Dimensione, std::string_view Testo) {
    if (Buffer == nullptr || Dimensione <= 0) {
        return;
    }
    const std::size_t Quanti = std::min(static_cast<std::size_t>(Dimensione) - 1, Testo.size());
    std::memcpy(Buffer, Testo.data(), Quanti);
    Buffer[Quanti] = '\0';
}

}  // namespace

std::int32_t GetVolumeInformationA(const char* lpRootPathName, char* lpVolumeNameBuffer,
                                   std::int32_t nVolumeNameSize, std::int32_t& NumeroSeriale,
                                   std::int32_t& LunghezzaMassimaComponente,
                                   std::int32_t& FlagFileSystem, char* lpFileSystemNameBuffer,
                                   std::int32_t nFileSystemNameSize) {
    if (!RadiceDelSistema(lpRootPathName)) {
        return 0;
    }
    // Without statvfs or a mount table there is no volume to describe.
    const std::string Radice = Linux::PercorsoSistema("/");
    const auto Stato = StatoVolume(Radice.c_str());
    if (!Stato) {
        return 0;
    }
    const auto Tipo = Linux::TipoFileSystemRadice();
    if (!Tipo) {
        return 0;
    }
    const std::string Etichetta = Linux::LeggiEtichetta(Radice.c_str());

    CopiaTroncata(lpVolumeNameBuffer, nVolumeNameSize, Etichetta);
    NumeroSeriale = Basso32(Stato->f_fsid);
    LunghezzaMassimaComponente = Basso32(Stato->f_namemax);
    FlagFileSystem = Basso32(Linux::FlagFileSystem(*Tipo, Stato->f_flag));
    CopiaTroncata(lpFileSystemNameBuffer, nFileSystemNameSize, *Tipo);
    return 1;
}

}  // namespace Modulo1::Nativo
