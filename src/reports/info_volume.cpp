// Example 4: the facts of the volume whose root is "c:\".
#include <string>

#include "main_window/form1.h"
#include "shared/modulo1.h"

void Form1::MostraInfoVolume() {
    constexpr std::u16string_view Radice = u"c:\\";
    std::u16string NomeVolume(256, u'\0');
    std::u16string NomeFileSystem(256, u'\0');
    std::int32_t NumeroSeriale = 0;
    std::int32_t LunghezzaMassimaComponente = 0;
    std::int32_t FlagFileSystem = 0;

    const std::int32_t Risultato = Modulo1::GetVolumeInformationA(
        Radice, NomeVolume, 255, NumeroSeriale, LunghezzaMassimaComponente, FlagFileSystem,
        NomeFileSystem, 255);

    StampaTestoEtichettato(u"nome Drive", Radice);
    StampaTestoEtichettato(u"nome Volume", Modulo1::TroncaAlNul(NomeVolume, 0));
    StampaNumeroEtichettato(u"Nr Seriale", NumeroSeriale);
    StampaNumeroEtichettato(u"Max grand di un file", LunghezzaMassimaComponente);
    StampaNumeroEtichettato(u"Tipo File System", FlagFileSystem);
    StampaTesto(u"    qui sopra è stato omesso l'uso delle costanti");
    StampaTestoEtichettato(u"Nome File System", Modulo1::TroncaAlNul(NomeFileSystem, 0));
    StampaNumeroEtichettato(u"Risultato (1=OK / 0=fail)", Risultato);
}
