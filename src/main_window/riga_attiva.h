// The report's current line, where keyboard focus reads it: which keys move it
// and where each move leads. Both shells map their own key codes and modifiers
// onto Tasto and Modificatori and leave the rest to this table.
#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <optional>

namespace Varnelo {

enum class Tasto { Su, Giu, Home, End };

// The modifiers held with a key.
struct Modificatori {
    bool Ctrl = false;
    bool Maiuscole = false;
    bool Alt = false;
    bool Logo = false;  // the Windows key, Super

    friend constexpr bool operator==(const Modificatori&, const Modificatori&) = default;
};

enum class Spostamento { RigaPrecedente, RigaSeguente, PrimaRiga, UltimaRiga };

struct TastoDiRiga {
    Tasto Chiave;
    // Exactly these, no more: with any other the key is the window's.
    Modificatori Con;
    Spostamento Mossa;
};

// As in any read-only text: a line up or down, Ctrl+Home and Ctrl+End to the ends.
inline constexpr std::array<TastoDiRiga, 4> TastiDiRiga{{
    {Tasto::Su, {}, Spostamento::RigaPrecedente},
    {Tasto::Giu, {}, Spostamento::RigaSeguente},
    {Tasto::Home, {.Ctrl = true}, Spostamento::PrimaRiga},
    {Tasto::End, {.Ctrl = true}, Spostamento::UltimaRiga},
}};

// The move a key with its modifiers makes; none for one that moves nothing.
constexpr std::optional<Spostamento> SpostamentoDelTasto(Tasto T, Modificatori Con) {
    for (const TastoDiRiga& Voce : TastiDiRiga) {
        if (Voce.Chiave == T && Voce.Con == Con) {
            return Voce.Mossa;
        }
    }
    return std::nullopt;
}

// What a key did: not a line key (the window's to handle), a line key that
// found the line at an edge and left it there (nothing to tell: a list box and
// a read-only text keep quiet too), or a move to another line.
enum class EsitoTasto { NonDiRiga, Fermo, Spostato };

// The line, counted from 0, that a move from Corrente leads to among NumeroRighe
// lines. A move past either end stays at that end; without lines it is 0.
constexpr std::size_t RigaDopo(Spostamento S, std::size_t Corrente, std::size_t NumeroRighe) {
    if (NumeroRighe == 0) {
        return 0;
    }
    const std::size_t Ultima = NumeroRighe - 1;
    switch (S) {
    case Spostamento::RigaPrecedente:
        return Corrente == 0 ? 0 : std::min(Corrente - 1, Ultima);
    case Spostamento::RigaSeguente:
        return std::min(Corrente + 1, Ultima);
    case Spostamento::PrimaRiga:
        return 0;
    case Spostamento::UltimaRiga:
        return Ultima;
    }
    return Corrente;
}

// The character cells a line of Caratteri characters takes on the screen. An
// empty line takes one, so that its focus indicator and its location have a
// width for a magnifier to follow.
constexpr std::size_t CelleDellaRiga(std::size_t Caratteri) {
    return std::max<std::size_t>(Caratteri, 1);
}

}  // namespace Varnelo
