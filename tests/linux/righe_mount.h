// Mount table lines as the kernel writes them, for tables made up by the tests.
#pragma once

#include <string>

// One line of /proc/self/mountinfo: mount Id of Tipo on Destinazione.
inline std::string RigaMountinfo(int Id, const std::string& Destinazione, const std::string& Tipo) {
    return std::to_string(Id) + " 1 8:" + std::to_string(Id % 256) + " / " + Destinazione +
           " rw,relatime shared:" + std::to_string(Id) + " - " + Tipo + " /dev/sda" +
           std::to_string(Id % 16) + " rw\n";
}

// One line of /etc/mtab (the /proc/mounts format).
inline std::string RigaMtab(const std::string& Destinazione, const std::string& Tipo) {
    return "/dev/sda1 " + Destinazione + " " + Tipo + " rw,relatime 0 0\n";
}
