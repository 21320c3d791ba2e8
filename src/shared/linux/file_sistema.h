// How the routines reach the files the kernel exposes. Every such path goes
// through PercorsoSistema, so a test can stand a directory tree of its own in
// for the system's and fake missing or odd files without touching the logic.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace Modulo1::Linux {

// Put before every system path: empty in the program, a test's directory in
// the fault-injection tests.
inline std::string PrefissoRadice;

// The path as the routines must open it now.
std::string PercorsoSistema(std::string_view Percorso);

// The whole content of a small system file; nullopt when it cannot be opened
// or read, or is larger than any file these routines expect.
std::optional<std::string> LeggiFileSistema(std::string_view Percorso);

}  // namespace Modulo1::Linux
