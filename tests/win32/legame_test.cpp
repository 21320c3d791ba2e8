// A routine that cannot be bound is reported once, naming it and its library,
// after the binding, and the call behaves as a failed one.
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "legame.h"

namespace {

std::vector<std::string> Segnalazioni;
void (*DuranteLaSegnalazione)() = nullptr;

constexpr char Kernel32[] = "kernel32";
constexpr char LibreriaAssente[] = "libreria_assente";
constexpr char RoutineAssente[] = "RoutineCheNonEsiste";
constexpr char GetSystemInfo[] = "GetSystemInfo";

using Firma = void(WINAPI*)(LPSYSTEM_INFO);

struct CasoLegame {
    const char* Nome;
    Firma (*Lega)();
    bool Trovata;
    std::vector<std::string> Attese;
};

}  // namespace

// The recorder that the tests link in place of the program's message box. It
// calls back, as the box's message loop may run code that calls the routine.
void Modulo1::Legame::SegnalaRoutineMancante(const char* Routine, const char* Libreria) {
    Segnalazioni.push_back(std::string(Routine) + " in " + Libreria);
    if (DuranteLaSegnalazione != nullptr) {
        DuranteLaSegnalazione();
    }
}

namespace {

void PrintTo(const CasoLegame& Caso, std::ostream* Uscita) { *Uscita << Caso.Nome; }

class Legame : public ::testing::TestWithParam<CasoLegame> {};

TEST_P(Legame, BoundOrReportedOnceOutsideTheBinding) {
    Segnalazioni.clear();
    static Firma (*Lega)() = nullptr;
    Lega = GetParam().Lega;
    DuranteLaSegnalazione = [] { EXPECT_EQ(Lega(), nullptr); };
    EXPECT_EQ(Lega() != nullptr, GetParam().Trovata);
    EXPECT_EQ(Lega() != nullptr, GetParam().Trovata);
    DuranteLaSegnalazione = nullptr;
    EXPECT_EQ(Segnalazioni, GetParam().Attese);
}

INSTANTIATE_TEST_SUITE_P(
    Casi, Legame,
    ::testing::Values(CasoLegame{"PresentRoutine",
                                 Modulo1::Legame::Legata<Firma, Kernel32, GetSystemInfo>,
                                 true,
                                 {}},
                      CasoLegame{"MissingRoutine",
                                 Modulo1::Legame::Legata<Firma, Kernel32, RoutineAssente>,
                                 false,
                                 {"RoutineCheNonEsiste in kernel32"}},
                      CasoLegame{"MissingLibrary",
                                 Modulo1::Legame::Legata<Firma, LibreriaAssente, GetSystemInfo>,
                                 false,
                                 {"GetSystemInfo in libreria_assente"}}),
    [](const auto& Caso) { return std::string(Caso.param.Nome); });

}  // namespace
