// Example 3: processor and memory facts.
#include <optional>
#include <string_view>

#include "main_window/form1.h"
#include "shared/modulo1.h"

namespace {

std::optional<std::u16string_view> NomeProcessore(std::int32_t Tipo) {
    switch (Tipo) {
    case 386:
        return u"Intel 386";
    case 486:
        return u"Intel 486";
    case 586:
        return u"Intel Pentium";
    case 4000:
        return u"MIPS R4000";
    case 21064:
        return u"Alpha 21064";
    default:
        return std::nullopt;
    }
}

}  // namespace

void Form1::MostraInfoSistema() {
    using Modulo1::DatiSistema;
    Modulo1::GetSystemInfo(DatiSistema);
    StampaNumeroEtichettato(u"Tipo  processore usato", DatiSistema.dwOemId);
    StampaNumeroEtichettato(u"Grandezza pagina usata", DatiSistema.dwPageSize);
    StampaNumeroEtichettato(u"Indirizzo più basso per un'applicazione",
                            DatiSistema.lpMinimumApplicationAddress);
    StampaNumeroEtichettato(u"Indirizzo più alto per un'applicazione",
                            DatiSistema.lpMaximumApplicationAddress);
    StampaNumeroEtichettato(u"numero di processori configurati nel sistema ",
                            DatiSistema.dwActiveProcessorMask);
    StampaNumeroEtichettato(u"numero di processori nel sistema ",
                            DatiSistema.dwNumberOfProcessors);
    if (const auto Nome = NomeProcessore(DatiSistema.dwProcessorType)) {
        StampaTestoEtichettato(u"Tipo Processore", *Nome);
    }
    StampaNumeroEtichettato(u"granularità ", DatiSistema.dwAllocationGranularity);
}
