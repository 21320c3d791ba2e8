// Qt's own texts in Italian, the program's language, when Qt's translations
// are installed.
#pragma once

class QTranslator;

// Loads Qt's Italian translations into Traduzioni and installs them; false
// when they are not on this machine (Qt then speaks English).
bool InstallaTraduzioniQt(QTranslator& Traduzioni);
