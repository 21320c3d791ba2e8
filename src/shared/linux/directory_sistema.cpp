// GetWindowsDirectoryA on Linux: /usr holds the installed system (its
// programs, libraries and shared data), as the Windows directory does there.
#include <sys/stat.h>

#include <cstring>
#include <string_view>

#include "shared/routine_native.h"
#include "sistema.h"

namespace Modulo1::Nativo {

std::int32_t GetWindowsDirectoryA(char* lpBuffer, std::int32_t uSize) {
    constexpr std::string_view Directory = "/usr";
    constexpr auto Necessari = static_cast<std::int32_t>(Directory.size() + 1);

    struct stat Stato {};
    if (::stat(Linux::PercorsoSistema(Directory).c_str(), &Stato) != 0 || !S_ISDIR(Stato.st_mode)) {
        return 0;
    }
    if (lpBuffer == nullptr || uSize < Necessari) {
        return Necessari;
    }
    std::memcpy(lpBuffer, Directory.data(), Directory.size());
    lpBuffer[Directory.size()] = '\0';
    return Necessari - 1;
}

}  // namespace Modulo1::Nativo
