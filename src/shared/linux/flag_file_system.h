// The Windows FILE_* volume flags that hold for a Linux file system.
#pragma once

#include <cstdint>
#include <string_view>

namespace Modulo1::Linux {

inline constexpr std::uint32_t FILE_CASE_SENSITIVE_SEARCH = 0x1;
inline constexpr std::uint32_t FILE_CASE_PRESERVED_NAMES = 0x2;
inline constexpr std::uint32_t FILE_PERSISTENT_ACLS = 0x8;
inline constexpr std::uint32_t FILE_SUPPORTS_SPARSE_FILES = 0x40;
inline constexpr std::uint32_t FILE_READ_ONLY_VOLUME = 0x80000;
inline constexpr std::uint32_t FILE_SUPPORTS_HARD_LINKS = 0x400000;
inline constexpr std::uint32_t FILE_SUPPORTS_EXTENDED_ATTRIBUTES = 0x800000;

// The flags of a file system of type Tipo (as the mount table names it)
// mounted with the statvfs flags FlagMount; 0 for a type not in the table,
// plus the read-only bit whenever the mount is read-only.
std::uint32_t FlagFileSystem(std::string_view Tipo, unsigned long FlagMount);

}  // namespace Modulo1::Linux
