// GetSystemInfo on Linux: the processor and memory facts from sysconf, the
// kernel's files, the architecture the program was built for and the
// kernel's limit on this process's addresses.
#include <unistd.h>

#include "architettura.h"
#include "indirizzo_massimo.h"
#include "indirizzo_minimo.h"
#include "lista_cpu.h"
#include "shared/basso32.h"
#include "shared/routine_native.h"

namespace Modulo1::Nativo {

void GetSystemInfo(InfoSistema& Dati) {
    using namespace Modulo1::Linux;
    const long Letta = sysconf(_SC_PAGESIZE);
    // POSIX requires the page size; 4096 only keeps a broken libc from giving -1.
    const auto Pagina = static_cast<std::uint64_t>(Letta > 0 ? Letta : 4096);
    const Architettura Arch = ArchitetturaCorrente();
    const InsiemeCpu Cpu = LeggiCpuOnline();

    Dati.dwOemId = Arch.Numero;
    Dati.dwPageSize = Basso32(Pagina);
    Dati.lpMinimumApplicationAddress = Basso32(LeggiIndirizzoMinimo(Pagina));
    Dati.lpMaximumApplicationAddress = Basso32(IndirizzoMassimo(Pagina));
    Dati.dwActiveProcessorMask = Basso32(Cpu.Maschera);
    Dati.dwNumberOfProcessors = Basso32(Cpu.Numero);
    Dati.dwProcessorType = TipoProcessore();
    // mmap places and aligns mappings by the page.
    Dati.dwAllocationGranularity = Basso32(Pagina);
}

}  // namespace Modulo1::Nativo
