#include "indirizzo_minimo.h"

#include <charconv>

#include "file_sistema.h"

namespace Modulo1::Linux {

std::optional<std::uint64_t> AnalizzaIndirizzoMinimo(std::string_view Testo) {
    if (!Testo.empty() && Testo.back() == '\n') {
        Testo.remove_suffix(1);
    }
    std::uint64_t Valore = 0;
    const auto [Dove, Errore] = std::from_chars(Testo.data(), Testo.data() + Testo.size(), Valore);
    if (Errore != std::errc{} || Dove != Testo.data() + Testo.size()) {
        return std::nullopt;
    }
    return Valore;
}

std::uint64_t LeggiIndirizzoMinimo(std::uint64_t PaginaSeIgnoto) {
    if (const auto Testo = LeggiFileSistema("/proc/sys/vm/mmap_min_addr")) {
        if (const auto Valore = AnalizzaIndirizzoMinimo(*Testo)) {
            return *Valore;
        }
    }
    return PaginaSeIgnoto;
}

}  // namespace Modulo1::Linux
