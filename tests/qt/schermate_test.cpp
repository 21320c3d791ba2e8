// Pictures of the window with each report, for the README: the window as the
// offscreen platform renders it, menu bar and client area.
#include <gtest/gtest.h>

#include <QDir>

#include "finestra_principale.h"
#include "menu_varnelo.h"
#include "vista_report.h"

TEST(Schermate, EachReportIsRenderedWholeIntoItsPicture) {
    const QDir Cartella(QStringLiteral(VARNELO_SCHERMATE));
    ASSERT_TRUE(Cartella.mkpath(QStringLiteral(".")));
    FinestraPrincipale f;
    f.show();
    const QList<QAction*> Esempi = MenuVarnelo(f)->actions();
    for (int Numero = 1; Numero <= Esempi.size(); ++Numero) {
        Esempi[Numero - 1]->trigger();
        const QImage Immagine = f.grab().toImage();
        EXPECT_EQ(Immagine.size(), f.size());
        EXPECT_TRUE(Immagine.save(Cartella.filePath(QStringLiteral("esempio-%1.png").arg(Numero))));
    }
}
