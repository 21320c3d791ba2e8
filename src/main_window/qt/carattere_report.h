// The report's font: fixed-width, as large as lets every report line be
// seen whole in the designed client area.
#pragma once

#include <QFont>
#include <QSize>

// Columns every report but the directory ones needs: column 50 and a value of 13.
inline constexpr int ColonneVisibili = 62;
inline constexpr int RigheVisibili = 8;
// Blank space between the client area's edges and the text.
inline constexpr int Margine = 4;

QFont CarattereReport(QSize AreaClient);
