#include "tabella_mount.h"

#include <libmount.h>

#include <memory>

#include "sistema.h"

namespace Modulo1::Linux {

namespace {
struct LiberaTabella {
    void operator()(libmnt_table* Tabella) const { mnt_unref_table(Tabella); }
};
}  // namespace

std::optional<std::string> TipoFileSystemMontato(const std::string& FileTabella,
                                                 const char* Destinazione) {
    // libmount skips the lines it cannot parse and keeps the rest.
    const std::unique_ptr<libmnt_table, LiberaTabella> Tabella(
        mnt_new_table_from_file(FileTabella.c_str()));
    if (!Tabella) {
        return std::nullopt;
    }
    // Backward: a later mount on the same directory hides the earlier ones.
    libmnt_fs* Mount = mnt_table_find_target(Tabella.get(), Destinazione, MNT_ITER_BACKWARD);
    const char* Tipo = Mount != nullptr ? mnt_fs_get_fstype(Mount) : nullptr;
    if (Tipo == nullptr || *Tipo == '\0') {
        return std::nullopt;
    }
    return std::string(Tipo);
}

std::optional<std::string> TipoFileSystemRadice() {
    for (const char* File : {"/proc/self/mountinfo", "/etc/mtab"}) {
        if (auto Tipo = TipoFileSystemMontato(PercorsoSistema(File), "/")) {
            return Tipo;
        }
    }
    return std::nullopt;
}

}  // namespace Modulo1::Linux
