#include "dll_di_sistema.h"

#include <string>

namespace Modulo1::Legame {

void LimitaDllAlSistema() {
    using FirmaSetDefaultDllDirectories = BOOL(WINAPI*)(DWORD);
    // kernel32 is loaded in every process; the function may be missing.
    const HMODULE Kernel32 = GetModuleHandleW(L"kernel32");
    const auto Imposta = Kernel32 != nullptr ? Come<FirmaSetDefaultDllDirectories>(GetProcAddress(
                                                   Kernel32, "SetDefaultDllDirectories"))
                                             : nullptr;
    // A failure leaves the system's usual search, which CaricaDalSistema never relies on.
    if (Imposta != nullptr) {
        Imposta(LOAD_LIBRARY_SEARCH_SYSTEM32);
    }
}

HMODULE CaricaDalSistema(const char* Nome) {
    std::wstring Percorso(MAX_PATH, L'\0');
    const UINT Lunghezza = GetSystemDirectoryW(Percorso.data(), MAX_PATH);
    if (Lunghezza == 0 || Lunghezza >= MAX_PATH) {
        return nullptr;
    }
    Percorso.resize(Lunghezza);
    Percorso += L'\\';
    for (; *Nome != '\0'; ++Nome) {
        Percorso += static_cast<wchar_t>(static_cast<unsigned char>(*Nome));
    }
    // A full path: no folder but the system's is searched. Never freed.
    return LoadLibraryW(Percorso.c_str());
}

}  // namespace Modulo1::Legame
