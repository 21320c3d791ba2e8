// The report's current line, where keyboard focus reads it: which keys move it
// and where each move leads. Both shells map their own key codes onto Tasto and
// leave the rest to this table.
#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <optional>

namespace Varnelo {

enum class Tasto { Su, Giu, Home, End };

enum class Spostamento { RigaPrecedente, RigaSeguente, PrimaRiga, UltimaRiga };

struct TastoDiRiga {
    Tasto Chiave;
    bool Ctrl;
    Spostamento Mossa;
};

// As in any read-only text: a line up or down, Ctrl+Home and Ctrl+End to the ends.
inline constexpr std::array<TastoDiRiga, 4> TastiDiRiga{{
    {Tasto::Su, false, Spostamento::RigaPrecedente},
    {Tasto::Giu, false, Spostamento::RigaSeguente},
    {Tasto::Home, true, Spostamento::PrimaRiga},
    {Tasto::End, true, Spostamento::UltimaRiga},
}};

// The move a key makes; none for a key, or a key with Ctrl, that moves nothing.
constexpr std::optional<Spostamento> SpostamentoDelTasto(Tasto T, bool Ctrl) {
    for (const TastoDiRiga& Voce : TastiDiRiga) {
        if (Voce.Chiave == T && Voce.Ctrl == Ctrl) {
            return Voce.Mossa;
        }
    }
    return std::nullopt;
}

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

}  // namespace Varnelo
