// What the mount table says is mounted on a directory, read with libmount.
#pragma once

#include <optional>
#include <string>

namespace Modulo1::Linux {

// The file-system type of the last mount on Destinazione in the table file
// (mountinfo, mtab or fstab format); nullopt when the file cannot be read or
// has no such mount.
std::optional<std::string> TipoFileSystemMontato(const std::string& FileTabella,
                                                 const char* Destinazione);

// The type of the file system on "/", from this process's mountinfo, or from
// /etc/mtab where /proc is not mounted; nullopt when neither can say.
std::optional<std::string> TipoFileSystemRadice();

}  // namespace Modulo1::Linux
