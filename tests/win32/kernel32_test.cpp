// The reports and the bound routines against the system's own kernel32.
#include <gtest/gtest.h>

#include <windows.h>

#include <cwctype>
#include <string>

#include "main_window/form1.h"
#include "righe_attese.h"
#include "routine_kernel32.h"
#include "shared/basso32.h"
#include "shared/modulo1.h"

namespace {

std::u16string DirectoryDiretta() {
    char Buffer[MAX_PATH + 1] = {};
    const UINT n = ::GetWindowsDirectoryA(Buffer, sizeof Buffer);
    return {Buffer, Buffer + n};
}

TEST(Kernel32, DirectoryReportsPrintTheSystemsAnswer) {
    const std::u16string Directory = DirectoryDiretta();
    ASSERT_FALSE(Directory.empty());
    Form1 f;
    f.mnu_Click(10);
    EXPECT_EQ(f.Righe(), (std::vector<std::u16string>{
                             u"valore di ritorno = " + InTestoDecimale(static_cast<std::int32_t>(
                                                           Directory.size())),
                             u"Directory Windows = " + Directory}));
    f.mnu_Click(20);
    EXPECT_EQ(f.Righe(), std::vector<std::u16string>{u"Directory Windows = " + Directory});
}

TEST(Kernel32, SystemInfoKeepsTheLow32BitsOfEachField) {
    SYSTEM_INFO Diretto{};
    ::GetSystemInfo(&Diretto);
    Modulo1::InfoSistema Dati;
    Modulo1::GetSystemInfo(Dati);
    EXPECT_EQ(Dati.dwOemId, static_cast<std::int32_t>(Diretto.dwOemId));
    EXPECT_EQ(Dati.dwPageSize, static_cast<std::int32_t>(Diretto.dwPageSize));
    EXPECT_EQ(Dati.lpMinimumApplicationAddress,
              Modulo1::Basso32(Diretto.lpMinimumApplicationAddress));
    EXPECT_EQ(Dati.lpMaximumApplicationAddress,
              Modulo1::Basso32(Diretto.lpMaximumApplicationAddress));
    EXPECT_EQ(Dati.dwActiveProcessorMask, Modulo1::Basso32(Diretto.dwActiveProcessorMask));
    EXPECT_EQ(Dati.dwNumberOfProcessors, static_cast<std::int32_t>(Diretto.dwNumberOfProcessors));
    EXPECT_EQ(Dati.dwProcessorType, static_cast<std::int32_t>(Diretto.dwProcessorType));
    EXPECT_EQ(Dati.dwAllocationGranularity,
              static_cast<std::int32_t>(Diretto.dwAllocationGranularity));
}

// Whether this executable may use addresses above 2 GiB, as its header says.
bool GrandiIndirizzi() {
    const auto* Base = reinterpret_cast<const BYTE*>(GetModuleHandleW(nullptr));
    const auto* Dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(Base);
    const auto* Nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(Base + Dos->e_lfanew);
    return (Nt->FileHeader.Characteristics & IMAGE_FILE_LARGE_ADDRESS_AWARE) != 0;
}

// What Windows (and Wine) gives this process, by processor: the 32-bit one
// runs as a Pentium, which the report names on a line of its own.
TEST(Kernel32, SystemReportOfThisProcessor) {
#if defined(__i386__)
    const std::u16string Oem = u" 0 ";
    const Righe NomeProcessore{AColonna50(u"Tipo Processore", u"Intel Pentium")};
#else
    const std::u16string Oem = u" 9 ";
    const Righe NomeProcessore;  // 8664 is not in the report's table
#endif
    // 0x7FFEFFFF without the flag; with it 0x7FFFFFFEFFFF on x64, 0xFFFEFFFF
    // on x86 (Wine, as 64-bit Windows): both keep 0xFFFEFFFF.
    const std::u16string Alto = GrandiIndirizzi() ? u"-65537 " : u" 2147418111 ";
    Form1 f;
    f.mnu_Click(30);
    const Righe& r = f.Righe();
    ASSERT_EQ(r.size(), 7 + NomeProcessore.size());
    EXPECT_EQ(r[0], AColonna50(u"Tipo  processore usato", Oem));
    EXPECT_EQ(r[3], AColonna50(u"Indirizzo più alto per un'applicazione", Alto));
    EXPECT_EQ(Righe(r.begin() + 6, r.end() - 1), NomeProcessore);
    EXPECT_EQ(r.back().substr(0, 12), u"granularità ");
}

// scripts/test-windows.sh gives drive C this label and serial number before
// Wine starts; Wine reads them from drive_c/.windows-label and .windows-serial.
TEST(Kernel32, VolumeReportOfDriveCWithAKnownLabelAndSerial) {
    ASSERT_EQ(GetACP(), 1252u) << "the label needs the ANSI code page 1252";
    DWORD Lunghezza = 0, Flag = 0;
    ASSERT_TRUE(
        ::GetVolumeInformationA("c:\\", nullptr, 0, nullptr, &Lunghezza, &Flag, nullptr, 0));
    Form1 f;
    f.mnu_Click(40);
    EXPECT_EQ(f.Righe(), (Righe{
                             AColonna50(u"nome Drive", u"c:\\"),
                             AColonna50(u"nome Volume", u"Città dati"),
                             AColonna50(u"Nr Seriale", u"-2147439667 "),  // 0x8000ABCD
                             AColonna50(u"Max grand di un file",
                                        FormaNumero(static_cast<std::int32_t>(Lunghezza))),
                             AColonna50(u"Tipo File System",
                                        FormaNumero(static_cast<std::int32_t>(Flag))),
                             u"    qui sopra è stato omesso l'uso delle costanti",
                             AColonna50(u"Nome File System", u"NTFS"),
                             AColonna50(u"Risultato (1=OK / 0=fail)", u" 1 "),
                         }));
}

TEST(Kernel32, RoutinesAreBoundToKernel32sOwnAddresses) {
    HMODULE Kernel32 = GetModuleHandleA("kernel32");
    ASSERT_NE(Kernel32, nullptr);
    const auto Indirizzo = [&](const char* Nome) {
        return reinterpret_cast<void*>(GetProcAddress(Kernel32, Nome));
    };
    EXPECT_EQ(reinterpret_cast<void*>(Modulo1::Kernel32::GetWindowsDirectoryA()),
              Indirizzo("GetWindowsDirectoryA"));
    EXPECT_EQ(reinterpret_cast<void*>(Modulo1::Kernel32::GetSystemInfo()),
              Indirizzo("GetSystemInfo"));
    EXPECT_EQ(reinterpret_cast<void*>(Modulo1::Kernel32::GetVolumeInformationA()),
              Indirizzo("GetVolumeInformationA"));
}

TEST(Kernel32, DirectoryContractThroughTheBoundRoutine) {
    const auto Lunghezza = static_cast<std::int32_t>(DirectoryDiretta().size());
    std::u16string Piccolo(4, u'\0');
    EXPECT_EQ(Modulo1::GetWindowsDirectoryA(Piccolo, 4), Lunghezza + 1);
    EXPECT_EQ(Piccolo, std::u16string(4, u'\0'));  // untouched
    std::u16string Negativo(4, u'\0');
    EXPECT_EQ(Modulo1::GetWindowsDirectoryA(Negativo, -1), Lunghezza + 1);
    EXPECT_EQ(Negativo, std::u16string(4, u'\0'));
}

}  // namespace
