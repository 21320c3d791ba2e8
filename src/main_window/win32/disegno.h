#pragma once

#include <windows.h>

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "carattere_console.h"
#include "main_window/form1.h"

namespace Varnelo {

// Where line Indice (from 0) of Colonne characters is painted, in client
// coordinates: as many cells as the line takes, one line high, from the top-left.
// Painting, the focus rectangle and what readers and magnifiers are told
// all take it from here.
RECT RettangoloRiga(const CarattereConsole& Carattere, std::size_t Indice, std::size_t Colonne);

// True when no part of line Indice of Form's report is within Finestra's
// client area (made smaller than the report): it is off-screen, and gets no
// focus rectangle. False for a line the report does not have.
bool RigaFuoriVista(HWND Finestra, const CarattereConsole& Carattere, const Form1& Form,
                    std::size_t Indice);

// Paints Area blank and the lines on it, each in its RettangoloRiga; with
// RigaConFuoco, that line inside the dotted focus rectangle.
void DisegnaRighe(HDC Contesto, const RECT& Area, const std::vector<std::u16string>& Righe,
                  const CarattereConsole& Carattere,
                  std::optional<std::size_t> RigaConFuoco = std::nullopt);

}  // namespace Varnelo
