// Files of the build trees as Wine sees them: drive Z: is the host's root.
#pragma once

#include <string>

inline std::wstring PercorsoWine(const wchar_t* Unix) {
    std::wstring Percorso = std::wstring(L"Z:") + Unix;
    for (auto& c : Percorso) {
        c = c == L'/' ? L'\\' : c;
    }
    return Percorso;
}

// Varnelo.exe of this build tree.
inline std::wstring PercorsoEseguibile() { return PercorsoWine(VARNELO_EXE); }
