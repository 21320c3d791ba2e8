#include "indirizzo_massimo.h"

#include <sys/mman.h>

#include <cerrno>

#include "architettura.h"
#include "sistema.h"

namespace Modulo1::Linux {

namespace {

enum class Posizione { Sotto, Sopra, Ignota };

// Where the page at Indirizzo stands against the limit. ENOMEM also answers a
// process out of address space or mappings, so the caller first maps a page
// wherever the kernel likes.
Posizione PosizionePagina(std::uint64_t Indirizzo, std::size_t Pagina) {
    void* Mappa = MappaPaginaLibera(Indirizzo, Pagina);
    if (Mappa == MAP_FAILED) {
        if (errno == EEXIST) {
            return Posizione::Sotto;
        }
        return errno == ENOMEM ? Posizione::Sopra : Posizione::Ignota;
    }
    const bool LaChiesta = reinterpret_cast<std::uintptr_t>(Mappa) == Indirizzo;
    ::munmap(Mappa, Pagina);
    if (LaChiesta) {
        return Posizione::Sotto;
    }
    // A kernel before 4.17, or qemu's user mode, takes the address as a mere
    // hint and goes elsewhere only from a page that is taken or above the
    // limit; msync tells the two apart, as nothing above is mapped.
    if (::msync(PuntatoreA(Indirizzo), Pagina, MS_ASYNC) == 0) {
        return Posizione::Sotto;
    }
    return errno == ENOMEM ? Posizione::Sopra : Posizione::Ignota;
}

bool PuoMappare(std::size_t Pagina) {
    void* Mappa = ::mmap(nullptr, Pagina, PROT_NONE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (Mappa == MAP_FAILED) {
        return false;
    }
    ::munmap(Mappa, Pagina);
    return true;
}

}  // namespace

std::optional<std::uint64_t> MisuraIndirizzoMassimo(std::uint64_t Basso, std::uint64_t Alto,
                                                    std::uint64_t Pagina) {
    const auto Byte = static_cast<std::size_t>(Pagina);
    if (!PuoMappare(Byte)) {
        return std::nullopt;
    }
    while (Alto - Basso > Pagina) {
        const std::uint64_t Mezzo = Basso + (Alto - Basso) / Pagina / 2 * Pagina;
        switch (PosizionePagina(Mezzo, Byte)) {
        case Posizione::Sotto:
            Basso = Mezzo;
            break;
        case Posizione::Sopra:
            Alto = Mezzo;
            break;
        case Posizione::Ignota:
            return std::nullopt;
        }
    }
    return Alto - 1;
}

std::uint64_t IndirizzoMassimo(std::uint64_t Pagina) {
    const std::uint64_t Predefinito = ArchitetturaCorrente().IndirizzoMassimo;
    if constexpr (sizeof(void*) > 4) {
        return Predefinito;
    } else {
        const int Locale = 0;  // its page, the stack's, is mapped: below the limit
        const std::uint64_t Pila = reinterpret_cast<std::uintptr_t>(&Locale) / Pagina * Pagina;
        return MisuraIndirizzoMassimo(Pila, std::uint64_t{1} << 32, Pagina).value_or(Predefinito);
    }
}

}  // namespace Modulo1::Linux
