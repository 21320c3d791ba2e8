// The label a file system carries (what blkid calls LABEL).
#pragma once

#include <string>

namespace Modulo1::Linux {

// The label of the file system holding Percorso; empty when it has none, the
// file system cannot report one, or Percorso cannot be opened.
std::string LeggiEtichetta(const char* Percorso);

}  // namespace Modulo1::Linux
