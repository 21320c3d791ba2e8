#include "file_sistema.h"

#include <array>

#include "descrittore.h"
#include "sistema.h"

namespace Modulo1::Linux {

namespace {
// Far above any CPU list or sysctl value; stops a stand-in like /dev/zero.
constexpr std::size_t DimensioneMassima = 1 << 20;
}  // namespace

std::optional<std::string> LeggiFileSistema(std::string_view Percorso) {
    const Descrittore File = ApriSenzaInterruzioni(PercorsoSistema(Percorso).c_str(), O_RDONLY);
    if (!File.Valido()) {
        return std::nullopt;
    }
    std::string Contenuto;
    std::array<char, 4096> Blocco{};
    for (;;) {
        const ssize_t Letti = ::read(File.fd(), Blocco.data(), Blocco.size());
        if (Letti == 0) {
            return Contenuto;
        }
        if (Letti < 0) {
            if (errno == EINTR) {
                continue;
            }
            return std::nullopt;
        }
        Contenuto.append(Blocco.data(), static_cast<std::size_t>(Letti));
        if (Contenuto.size() > DimensioneMassima) {
            return std::nullopt;
        }
    }
}

}  // namespace Modulo1::Linux
