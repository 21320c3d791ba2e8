#include "etichetta_volume.h"

#include <linux/fs.h>

#include <array>
#include <cstring>

#include "descrittore.h"
#include "sistema.h"

namespace Modulo1::Linux {

std::string LeggiEtichetta(const char* Percorso) {
    const Descrittore Radice = ApriSenzaInterruzioni(Percorso, O_RDONLY | O_DIRECTORY);
    if (!Radice.Valido()) {
        return {};
    }
    // One byte beyond the kernel's maximum, so the label always ends with a NUL.
    std::array<char, FSLABEL_MAX + 1> Etichetta{};
    int Esito = -1;
    do {
        Esito = ChiediEtichetta(Radice.fd(), Etichetta.data());
    } while (Esito != 0 && errno == EINTR);
    if (Esito != 0) {
        return {};  // ENOTTY and friends: the file system keeps no label we can ask for
    }
    return {Etichetta.data(), ::strnlen(Etichetta.data(), FSLABEL_MAX)};
}

}  // namespace Modulo1::Linux
