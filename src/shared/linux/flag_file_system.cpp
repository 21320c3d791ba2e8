#include "flag_file_system.h"

#include <sys/statvfs.h>

#include <algorithm>
#include <array>

namespace Modulo1::Linux {

namespace {

struct VoceFileSystem {
    std::string_view Tipo;
    std::uint32_t Flag;
};

// What a native Linux file system offers: names compared and kept byte for
// byte, hard links, holes, xattrs and POSIX ACLs stored on disk.
constexpr std::uint32_t Posix = FILE_CASE_SENSITIVE_SEARCH | FILE_CASE_PRESERVED_NAMES |
                                FILE_SUPPORTS_HARD_LINKS | FILE_SUPPORTS_SPARSE_FILES |
                                FILE_SUPPORTS_EXTENDED_ATTRIBUTES | FILE_PERSISTENT_ACLS;
// Images that can only ever be read, whatever the mount says.
constexpr std::uint32_t ImmagineSolaLettura =
    FILE_CASE_SENSITIVE_SEARCH | FILE_CASE_PRESERVED_NAMES | FILE_SUPPORTS_HARD_LINKS |
    FILE_SUPPORTS_EXTENDED_ATTRIBUTES | FILE_READ_ONLY_VOLUME;

// Only what the file system itself guarantees; a feature that depends on the
// kernel build or the server (ACLs over NFS, say) is left out.
constexpr std::array<VoceFileSystem, 20> Tabella{{
    {"btrfs", Posix},
    {"ext2", Posix},
    {"ext3", Posix},
    {"ext4", Posix},
    {"f2fs", Posix},
    {"jfs", Posix},
    {"reiserfs", Posix},
    {"xfs", Posix},
    {"zfs", Posix},
    {"tmpfs", Posix},
    // Holes depend on the layer below.
    {"overlay", Posix & ~FILE_SUPPORTS_SPARSE_FILES},
    {"nfs", FILE_CASE_SENSITIVE_SEARCH | FILE_CASE_PRESERVED_NAMES | FILE_SUPPORTS_HARD_LINKS},
    {"nfs4", FILE_CASE_SENSITIVE_SEARCH | FILE_CASE_PRESERVED_NAMES | FILE_SUPPORTS_HARD_LINKS},
    // Linux looks NTFS names up exactly; its ACLs need a mount option.
    {"ntfs3", Posix & ~FILE_PERSISTENT_ACLS},
    // Names kept as written but found in any case.
    {"cifs", FILE_CASE_PRESERVED_NAMES},
    {"vfat", FILE_CASE_PRESERVED_NAMES},
    {"exfat", FILE_CASE_PRESERVED_NAMES},
    {"squashfs", ImmagineSolaLettura},
    {"erofs", ImmagineSolaLettura},
    {"iso9660", FILE_CASE_SENSITIVE_SEARCH | FILE_CASE_PRESERVED_NAMES | FILE_READ_ONLY_VOLUME},
}};

}  // namespace

std::uint32_t FlagFileSystem(std::string_view Tipo, unsigned long FlagMount) {
    const auto Voce =
        std::ranges::find_if(Tabella, [Tipo](const VoceFileSystem& v) { return v.Tipo == Tipo; });
    std::uint32_t Flag = Voce != Tabella.end() ? Voce->Flag : 0;
    if ((FlagMount & ST_RDONLY) != 0) {
        Flag |= FILE_READ_ONLY_VOLUME;
    }
    return Flag;
}

}  // namespace Modulo1::Linux
