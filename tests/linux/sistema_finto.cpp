#include "sistema_finto.h"

#include <linux/fs.h>
#include <sys/ioctl.h>

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

}  // namespace Modulo1::Linux
