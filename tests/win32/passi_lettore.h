// The keys the screen reader client presses after each choice, and the line
// each must put the focus on: shared by the client, which presses them, and
// its test, which checks what the client heard.
#pragma once

#include <windows.h>

#include <array>

struct PassoLettore {
    WORD Tasto;
    WORD Modificatore;  // held with the key; 0 for none
};

inline constexpr std::array<PassoLettore, 8> PassiLettore{{
    {VK_DOWN, 0},
    {VK_END, VK_CONTROL},
    {VK_DOWN, 0},
    {VK_UP, 0},
    {VK_HOME, VK_CONTROL},
    {VK_UP, 0},
    {VK_DOWN, VK_SHIFT},
    {VK_DOWN, 0},
}};

// Per example, the line each step puts the focus on: counted from 1 from the
// top, or from -1 from the bottom; 0 where the line stays (an edge, a key
// with Shift), which nothing may be heard for.
struct RigheDeiPassi {
    int Index;
    std::array<int, PassiLettore.size()> Righe;
};

inline constexpr std::array<RigheDeiPassi, 4> RigheAttese{{
    {10, {2, 0, 0, 1, 0, 0, 0, 2}},  // two lines
    {20, {0, 0, 0, 0, 0, 0, 0, 0}},  // one line
    {30, {2, -1, 0, -2, 1, 0, 0, 2}},
    {40, {2, -1, 0, -2, 1, 0, 0, 2}},
}};
