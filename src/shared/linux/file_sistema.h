// How the routines read the files the kernel exposes, each found through
// PercorsoSistema.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace Modulo1::Linux {

// The whole content of a small system file; nullopt when it cannot be opened
// or read, or is larger than any file these routines expect.
std::optional<std::string> LeggiFileSistema(std::string_view Percorso);

}  // namespace Modulo1::Linux
