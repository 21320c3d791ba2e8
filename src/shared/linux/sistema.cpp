#include "sistema.h"

#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/mman.h>

namespace Modulo1::Linux {

std::string PercorsoSistema(std::string_view Percorso) { return std::string(Percorso); }

int StatoFileSystem(const char* Percorso, struct statvfs& Stato) {
    return ::statvfs(Percorso, &Stato);
}

int ChiediEtichetta(int fd, char* Etichetta) { return ::ioctl(fd, FS_IOC_GETFSLABEL, Etichetta); }

void* MappaPaginaLibera(std::uint64_t Indirizzo, std::size_t Pagina) {
    return ::mmap(PuntatoreA(Indirizzo), Pagina, PROT_NONE,
                  MAP_PRIVATE | MAP_ANONYMOUS | MAP_FIXED_NOREPLACE, -1, 0);
}

}  // namespace Modulo1::Linux
