#include "sistema.h"

#include <linux/fs.h>
#include <sys/ioctl.h>

namespace Modulo1::Linux {

std::string PercorsoSistema(std::string_view Percorso) { return std::string(Percorso); }

int StatoFileSystem(const char* Percorso, struct statvfs& Stato) {
    return ::statvfs(Percorso, &Stato);
}

int ChiediEtichetta(int fd, char* Etichetta) { return ::ioctl(fd, FS_IOC_GETFSLABEL, Etichetta); }

}  // namespace Modulo1::Linux
