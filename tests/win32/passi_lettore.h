// The keys the screen reader client presses after each choice, and the line
// each must put the focus on: shared by the client, which presses them, and
// its test, which checks what the client heard.
#pragma once

#include <windows.h>

#include <algorithm>
#include <array>
#include <cstddef>

struct PassoLettore {
    WORD Tasto;
    bool Ctrl;
    // Counted from 1 from the top, or from -1 from the bottom; within the report.
    int Riga;
};

inline constexpr std::array<PassoLettore, 5> PassiLettore{{
    {VK_DOWN, false, 2},
    {VK_END, true, -1},
    {VK_DOWN, false, -1},  // at the bottom the focus stays
    {VK_UP, false, -2},
    {VK_HOME, true, 1},
}};

// The line, from 1, that step Riga means in a report of Righe lines.
inline int RigaDelPasso(int Riga, std::size_t Righe) {
    const int Ultima = static_cast<int>(Righe);
    return std::clamp(Riga > 0 ? Riga : Ultima + 1 + Riga, 1, Ultima);
}
