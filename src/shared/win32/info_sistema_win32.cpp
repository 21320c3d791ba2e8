#include "info_sistema_win32.h"

#include "shared/basso32.h"

namespace Modulo1 {

InfoSistema DaSystemInfo(const SYSTEM_INFO& Info) {
    InfoSistema Dati;
    // dwOemId is the first DWORD of the union that also holds the processor
    // architecture and its reserved word.
    Dati.dwOemId = Basso32(Info.dwOemId);
    Dati.dwPageSize = Basso32(Info.dwPageSize);
    Dati.lpMinimumApplicationAddress = Basso32(Info.lpMinimumApplicationAddress);
    Dati.lpMaximumApplicationAddress = Basso32(Info.lpMaximumApplicationAddress);
    Dati.dwActiveProcessorMask = Basso32(Info.dwActiveProcessorMask);
    Dati.dwNumberOfProcessors = Basso32(Info.dwNumberOfProcessors);
    Dati.dwProcessorType = Basso32(Info.dwProcessorType);
    Dati.dwAllocationGranularity = Basso32(Info.dwAllocationGranularity);
    return Dati;
}

}  // namespace Modulo1
