// The print model: the window as a text console of fixed-width columns.
#include <string>
#include <utility>

#include "form1.h"

std::u16string InTestoDecimale(std::int32_t Valore) {
    // Widened first, so that the smallest value has a magnitude too.
    const std::int64_t Largo = Valore;
    std::u16string Cifre;
    std::uint64_t Resto =
        Largo < 0 ? static_cast<std::uint64_t>(-Largo) : static_cast<std::uint64_t>(Largo);
    do {
        Cifre.insert(Cifre.begin(), static_cast<char16_t>(u'0' + Resto % 10));
        Resto /= 10;
    } while (Resto != 0);
    return Largo < 0 ? u"-" + Cifre : Cifre;
}

std::u16string FormaNumero(std::int32_t Valore) {
    std::u16string Testo = InTestoDecimale(Valore);
    if (Valore >= 0) {
        Testo.insert(Testo.begin(), u' ');
    }
    return Testo + u' ';
}

void Form1::Cls() {
    righe_.clear();
    rigaCorrente_.clear();
    rigaAttiva_ = 0;
}

Varnelo::EsitoTasto Form1::SpostaRiga(Varnelo::Tasto T, Varnelo::Modificatori Con) {
    const auto Spostamento = Varnelo::SpostamentoDelTasto(T, Con);
    if (!Spostamento) {
        return Varnelo::EsitoTasto::NonDiRiga;
    }
    const std::size_t Prima = rigaAttiva_;
    rigaAttiva_ = Varnelo::RigaDopo(*Spostamento, rigaAttiva_, righe_.size());
    return rigaAttiva_ == Prima ? Varnelo::EsitoTasto::Fermo : Varnelo::EsitoTasto::Spostato;
}

void Form1::StampaTesto(std::u16string_view Testo) {
    Scrivi(Testo);
    FineRiga();
}

void Form1::StampaTestoEtichettato(std::u16string_view Etichetta, std::u16string_view Valore) {
    Scrivi(Etichetta);
    TabulaAColonnaValori();
    Scrivi(Valore);
    FineRiga();
}

void Form1::StampaNumeroEtichettato(std::u16string_view Etichetta, std::int32_t Valore) {
    StampaTestoEtichettato(Etichetta, FormaNumero(Valore));
}

void Form1::Scrivi(std::u16string_view Testo) { rigaCorrente_ += Testo; }

void Form1::TabulaAColonnaValori() {
    const std::size_t Inizio = ColonnaValori - 1;
    if (rigaCorrente_.size() > Inizio) {
        FineRiga();
    }
    rigaCorrente_.resize(Inizio, u' ');
}

void Form1::FineRiga() {
    righe_.push_back(std::move(rigaCorrente_));
    rigaCorrente_.clear();
}
