// A routine that cannot be bound is reported, naming it and its library, and
// the call behaves as a failed one.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "legame.h"

namespace {
std::vector<std::string> Segnalazioni;
}  // namespace

// The recorder that the tests link in place of the program's message box.
void Modulo1::Legame::SegnalaRoutineMancante(const char* Routine, const char* Libreria) {
    Segnalazioni.push_back(std::string(Routine) + " in " + Libreria);
}

TEST(Legame, MissingRoutineIsReportedByNameAndGivesNull) {
    Segnalazioni.clear();
    EXPECT_EQ(Modulo1::Legame::Lega("kernel32", "RoutineCheNonEsiste"), nullptr);
    EXPECT_EQ(Segnalazioni, std::vector<std::string>{"RoutineCheNonEsiste in kernel32"});
}

TEST(Legame, MissingLibraryIsReported) {
    Segnalazioni.clear();
    EXPECT_EQ(Modulo1::Legame::Lega("libreria_assente", "GetSystemInfo"), nullptr);
    EXPECT_EQ(Segnalazioni, std::vector<std::string>{"GetSystemInfo in libreria_assente"});
}

TEST(Legame, PresentRoutineIsFoundWithoutAReport) {
    Segnalazioni.clear();
    EXPECT_NE(Modulo1::Legame::Lega("kernel32", "GetSystemInfo"), nullptr);
    EXPECT_TRUE(Segnalazioni.empty());
}
