// The report's font: fixed-width, as large as lets every report line be
// seen whole in the designed client area.
#pragma once

#include <QFont>
#include <QSize>

// Blank space between the client area's edges and the text.
inline constexpr int Margine = 4;

QFont CarattereReport(QSize AreaClient);
