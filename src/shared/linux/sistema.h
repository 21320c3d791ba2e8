// Where the routines meet the running system for the facts a test must be able
// to make up: the paths of the kernel's files, a file system's statvfs and its
// label, the kernel's answer to a page mapped at an address. The program links
// sistema.cpp; the Linux tests link a stand-in.
#pragma once

#include <sys/statvfs.h>

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace Modulo1::Linux {

// The path where the routines find the system's file Percorso ("/proc/...").
std::string PercorsoSistema(std::string_view Percorso);

// statvfs(2) of Percorso: 0, or -1 with errno set.
int StatoFileSystem(const char* Percorso, struct statvfs& Stato);

// ioctl(2) FS_IOC_GETFSLABEL on the open directory fd into at least
// FSLABEL_MAX bytes: 0, or -1 with errno set.
int ChiediEtichetta(int fd, char* Etichetta);

// The address as mmap and msync take it: a page that no object of the program
// holds, so no pointer can be derived from one.
inline void* PuntatoreA(std::uint64_t Indirizzo) {
    return reinterpret_cast<void*>(  // NOLINT(performance-no-int-to-ptr): see above
        static_cast<std::uintptr_t>(Indirizzo));
}

// mmap(2) of one inaccessible page at Indirizzo that replaces no mapping
// (MAP_FIXED_NOREPLACE): the address mapped, or MAP_FAILED with errno set.
void* MappaPaginaLibera(std::uint64_t Indirizzo, std::size_t Pagina);

}  // namespace Modulo1::Linux
