#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QTranslator>

#include "traduzioni_qt.h"

TEST(TraduzioniQt, QtsOwnTextsComeInItalian) {
    QTranslator Traduzioni;
    ASSERT_TRUE(InstallaTraduzioniQt(Traduzioni)) << "Qt's Italian translations are installed "
                                                     "with the build's packages";
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Annulla"));
    QCoreApplication::removeTranslator(&Traduzioni);
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Cancel"));
}
