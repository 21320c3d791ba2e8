// A directory tree that stands in for the system's files while it lives:
// the routines read every kernel file under it instead of under "/", and
// find the volume of "/" there.
#pragma once

#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>
#include <string_view>

#include "sistema_finto.h"

class RadiceFinta {
public:
    RadiceFinta() {
        std::string Modello = (std::filesystem::temp_directory_path() / "varnelo-XXXXXX").string();
        if (::mkdtemp(Modello.data()) == nullptr) {
            throw std::runtime_error("mkdtemp failed");
        }
        radice_ = Modello;
        SistemaFinto::Attuali().Radice = radice_.string();
    }
    RadiceFinta(const RadiceFinta&) = delete;
    RadiceFinta& operator=(const RadiceFinta&) = delete;
    ~RadiceFinta() {
        SistemaFinto::Attuali() = {};
        std::error_code Ignorato;
        std::filesystem::remove_all(radice_, Ignorato);
    }

    // Writes Contenuto to the system path Percorso ("/proc/...") under this root.
    void Scrivi(std::string_view Percorso, std::string_view Contenuto) const {
        const std::filesystem::path File = Sotto(Percorso);
        std::filesystem::create_directories(File.parent_path());
        std::ofstream(File, std::ios::binary) << Contenuto;
    }

private:
    std::filesystem::path Sotto(std::string_view Percorso) const {
        return radice_ / std::filesystem::path(Percorso).relative_path();
    }

    std::filesystem::path radice_;
};
