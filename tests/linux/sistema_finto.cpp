#include "sistema_finto.h"

#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/mman.h>

#include <cerrno>

#include "sistema.h"

namespace SistemaFinto {

Risposte& Attuali() {
    static Risposte Stato;
    return Stato;
}

}  // namespace SistemaFinto

namespace Modulo1::Linux {

std::string PercorsoSistema(std::string_view Percorso) {
    return SistemaFinto::Attuali().Radice + std::string(Percorso);
}

int StatoFileSystem(const char* Percorso, struct statvfs& Stato) {
    if (const int Errore = SistemaFinto::Attuali().ErroreStatoFileSystem) {
        errno = Errore;
        return -1;
    }
    return ::statvfs(Percorso, &Stato);
}

int ChiediEtichetta(int fd, char* Etichetta) {
    const auto& Risposte = SistemaFinto::Attuali();
    if (Risposte.ErroreEtichetta != 0) {
        errno = Risposte.ErroreEtichetta;
        return -1;
    }
    if (Risposte.Etichetta) {
        // As the kernel does: the label and NULs up to FSLABEL_MAX.
        const std::string& Testo = *Risposte.Etichetta;
        for (std::size_t i = 0; i < FSLABEL_MAX; ++i) {
            Etichetta[i] = i < Testo.size() ? Testo[i] : '\0';
        }
        return 0;
    }
    return ::ioctl(fd, FS_IOC_GETFSLABEL, Etichetta);
}

void* MappaPaginaLibera(std::uint64_t Indirizzo, std::size_t Pagina) {
    auto& Risposte = SistemaFinto::Attuali();
    if (Risposte.ErroreMappa != 0) {
        errno = Risposte.ErroreMappa;
        return MAP_FAILED;
    }
    void* Chiesta = PuntatoreA(Indirizzo);
    if (!Risposte.Suggerito) {
        return ::mmap(Chiesta, Pagina, PROT_NONE, MAP_PRIVATE | MAP_ANONYMOUS | MAP_FIXED_NOREPLACE,
                      -1, 0);
    }
    void* Mappa = ::mmap(Chiesta, Pagina, PROT_NONE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (Mappa != Chiesta && Mappa != MAP_FAILED) {
        Risposte.UltimaAltrove = Mappa;
    }
    return Mappa;
}

}  // namespace Modulo1::Linux
