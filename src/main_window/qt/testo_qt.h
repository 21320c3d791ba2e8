// The core's 16-bit text is UTF-16, like QString: only the type changes.
#pragma once

#include <QString>
#include <string_view>

inline QString InQString(std::u16string_view Testo) {
    return QStringView(Testo.data(), static_cast<qsizetype>(Testo.size())).toString();
}
