// Examples 1 and 2: the system directory, with and without the routine's result.
#include <string>

#include "main_window/form1.h"
#include "shared/modulo1.h"
#include "testo_fisso.h"

namespace {

constexpr std::size_t LunghezzaBuffer = 145;

// The directory buffer as both examples start it: 145 of 256 NULs.
std::u16string BufferDirectory() {
    return TestoFisso(std::u16string(256, u'\0'), LunghezzaBuffer);
}

// Asks for the directory; the buffer keeps its fixed length whatever comes back.
std::int32_t ChiediDirectory(std::u16string& Buffer) {
    const std::int32_t Risultato =
        Modulo1::GetWindowsDirectoryA(Buffer, static_cast<std::int32_t>(LunghezzaBuffer));
    Buffer = TestoFisso(Buffer, LunghezzaBuffer);
    return Risultato;
}

}  // namespace

void Form1::MostraDirectoryWindows() {
    std::u16string Buffer = BufferDirectory();
    const std::int32_t r = ChiediDirectory(Buffer);
    StampaTesto(u"valore di ritorno = " + InTestoDecimale(r));
    StampaTesto(u"Directory Windows = " + Modulo1::TroncaAlNul(Buffer, r));
}

void Form1::MostraDirectoryWindowsBreve() {
    std::u16string Buffer = BufferDirectory();
    ChiediDirectory(Buffer);
    StampaTesto(u"Directory Windows = " + Modulo1::TroncaAlNul(Buffer, 0));
}
