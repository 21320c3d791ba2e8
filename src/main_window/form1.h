// Form1: the program's only window, as the shells see it. It takes the menu
// clicks, runs the reports and keeps what they printed, so a shell can paint
// the lines at any time.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "riga_attiva.h"

class Form1 {
public:
    // Column where labelled values start, counted from 1.
    static constexpr std::size_t ColonnaValori = 50;

    void mnu_Click(std::int16_t Index);
    void mnu_esci_Click();

    // False once the form has been unloaded: the shell then closes the window.
    bool Caricato() const { return caricato_; }

    // The printed lines, top to bottom; a tab is already expanded to blanks,
    // so column n of a line is its character n.
    const std::vector<std::u16string>& Righe() const { return righe_; }

    // The line keyboard focus is on, counted from 0: the first after every
    // choice, and 0 too while nothing is printed.
    std::size_t RigaAttiva() const { return rigaAttiva_; }
    // Moves the current line as the key with its modifiers says; a key that
    // is no line key the shell handles as it would otherwise.
    Varnelo::EsitoTasto SpostaRiga(Varnelo::Tasto T, Varnelo::Modificatori Con);

    // The print model.
    void Cls();
    void StampaTesto(std::u16string_view Testo);
    void StampaTestoEtichettato(std::u16string_view Etichetta, std::u16string_view Valore);
    void StampaNumeroEtichettato(std::u16string_view Etichetta, std::int32_t Valore);

private:
    void MostraDirectoryWindows();
    void MostraDirectoryWindowsBreve();
    void MostraInfoSistema();
    void MostraInfoVolume();

    void Scrivi(std::u16string_view Testo);
    void TabulaAColonnaValori();
    void FineRiga();

    std::vector<std::u16string> righe_;
    // The line being written, not yet ended; the print position is its end.
    std::u16string rigaCorrente_;
    std::size_t rigaAttiva_ = 0;
    bool caricato_ = true;
};

// The printed form of a number item: a blank or a minus sign, the digits, a blank.
std::u16string FormaNumero(std::int32_t Valore);

// A number as plain decimal text, as a report joins it to a label itself.
std::u16string InTestoDecimale(std::int32_t Valore);
