#include "sistema_finto.h"

#include <linux/fs.h>
#include <sys/ioctl.h>

#include <cerrno>
#include <cstring>

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
        std::memset(Etichetta, 0, FSLABEL_MAX);
        std::memcpy(Etichetta, Risposte.Etichetta->data(),
                    std::min<std::size_t>(Risposte.Etichetta->size(), FSLABEL_MAX));
        return 0;
    }
    return ::ioctl(fd, FS_IOC_GETFSLABEL, Etichetta);
}

}  // namespace Modulo1::Linux
