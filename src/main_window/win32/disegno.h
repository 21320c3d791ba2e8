#pragma once

#include <windows.h>

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "carattere_console.h"

namespace Varnelo {

// Where line Indice (from 0) of Colonne characters is painted, in client
// coordinates: one column per character, one line high, from the top-left.
// Painting, the focus rectangle and what readers and magnifiers are told
// all take it from here.
RECT RettangoloRiga(const CarattereConsole& Carattere, std::size_t Indice, std::size_t Colonne);

// Paints Area blank and the lines on it, each in its RettangoloRiga; with
// RigaConFuoco, that line inside the dotted focus rectangle.
void DisegnaRighe(HDC Contesto, const RECT& Area, const std::vector<std::u16string>& Righe,
                  const CarattereConsole& Carattere,
                  std::optional<std::size_t> RigaConFuoco = std::nullopt);

}  // namespace Varnelo
