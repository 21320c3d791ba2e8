// A memory line of a process's /proc/PID/status, for the start-up probes.
#pragma once

#include <fstream>
#include <string>

// The value of Chiave ("VmRSS:", "VmHWM:") in /proc/Processo/status, in KiB;
// 0 if the process or the line is gone. Processo may be "self".
inline long MemoriaDiProcesso(const std::string& Processo, const std::string& Chiave) {
    std::ifstream Stato("/proc/" + Processo + "/status");
    std::string Letta;
    long Valore = 0;
    while (Stato >> Letta) {
        if (Letta == Chiave) {
            Stato >> Valore;
            return Valore;
        }
        Stato.ignore(1 << 16, '\n');
    }
    return 0;
}
