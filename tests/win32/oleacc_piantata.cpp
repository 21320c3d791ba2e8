// A DLL named as oleacc that a stranger might leave beside Varnelo.exe: when
// loaded, it leaves a mark beside itself (its own path with ".caricata").
// It exports what the program ever imported from oleacc, so that a program
// that imports it starts, unread.
#include <windows.h>

#include <objbase.h>

extern "C" {

BOOL WINAPI DllMain(HINSTANCE Modulo, DWORD Motivo, LPVOID) {
    if (Motivo == DLL_PROCESS_ATTACH) {
        wchar_t Segno[MAX_PATH + 16] = {};
        const DWORD n = GetModuleFileNameW(Modulo, Segno, MAX_PATH);
        if (n > 0 && n < MAX_PATH) {
            lstrcatW(Segno, L".caricata");
            const HANDLE File = CreateFileW(Segno, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                            FILE_ATTRIBUTE_NORMAL, nullptr);
            if (File != INVALID_HANDLE_VALUE) {
                CloseHandle(File);
            }
        }
    }
    return TRUE;
}

__declspec(dllexport) LRESULT WINAPI LresultFromObject(REFIID, WPARAM, LPUNKNOWN) { return E_FAIL; }

__declspec(dllexport) HRESULT WINAPI
    AccessibleObjectFromWindow(HWND, DWORD, REFIID, void** Oggetto) {
    *Oggetto = nullptr;
    return E_FAIL;
}

__declspec(dllexport) HRESULT WINAPI CreateStdAccessibleObject(HWND, LONG, REFIID, void** Oggetto) {
    *Oggetto = nullptr;
    return E_FAIL;
}
}
