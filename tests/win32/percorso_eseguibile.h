// Varnelo.exe of this build tree, as Wine sees it: drive Z: is the host's root.
#pragma once

#include <string>

inline std::wstring PercorsoEseguibile() {
    std::wstring Percorso = L"Z:" VARNELO_EXE;
    for (auto& c : Percorso) {
        c = c == L'/' ? L'\\' : c;
    }
    return Percorso;
}
