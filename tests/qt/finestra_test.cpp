// The window as a user meets it: caption, menu, keys, size, painting, closing.
#include <gtest/gtest.h>

#include <private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>
#include <QAccessible>
#include <QApplication>
#include <QMenuBar>
#include <QTest>
#include <QTimer>
#include <functional>
#include <set>
#include <utility>
#include <vector>

#include "finestra_principale.h"
#include "menu_varnelo.h"
#include "vista_report.h"

namespace {

QStringList Didascalie(const QList<QAction*>& Azioni) {
    QStringList Testi;
    for (const QAction* a : Azioni) {
        Testi << a->text();
    }
    return Testi;
}

class Finestra : public ::testing::Test {
protected:
    void SetUp() override {
        f.show();
        f.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&f));
    }

    FinestraPrincipale f;
};

TEST_F(Finestra, CaptionAndMenuTreeInOrder) {
    EXPECT_EQ(f.windowTitle(), QStringLiteral("Varnelo di implentazione routine API"));
    const QList<QAction*> Barra = f.menuBar()->actions();
    ASSERT_EQ(Didascalie(Barra),
              (QStringList{QStringLiteral("&Varnelo"), QStringLiteral("E&sci")}));
    EXPECT_EQ(Barra[1]->menu(), nullptr);  // a command, not a pull-down
    const QList<QAction*> Esempi = MenuVarnelo(f)->actions();
    EXPECT_EQ(Didascalie(Esempi),
              (QStringList{QStringLiteral("&1. esempio"), QStringLiteral("&2. esempio"),
                           QStringLiteral("&3. esempio"), QStringLiteral("&4. esempio")}));
    for (const QAction* a : Barra + Esempi) {
        EXPECT_TRUE(a->shortcut().isEmpty()) << a->text().toStdString();
        EXPECT_FALSE(a->isCheckable()) << a->text().toStdString();
        EXPECT_TRUE(a->isEnabled() && a->isVisible()) << a->text().toStdString();
    }
}

TEST_F(Finestra, ClientAreaIsTheDesignedSize) {
    EXPECT_EQ(f.centralWidget(), f.Vista());
    EXPECT_EQ(f.Vista()->size(), QSize(384, 188));
    EXPECT_EQ(f.Vista()->y(), f.menuBar()->geometry().bottom() + 1);
}

TEST_F(Finestra, EachItemPrintsItsExampleAndNothingElse) {
    const QList<QAction*> Esempi = MenuVarnelo(f)->actions();
    ASSERT_EQ(Esempi.size(), 4);
    for (int i = 0; i < 4; ++i) {
        Esempi[i]->trigger();
        Form1 Riferimento;  // the examples are Index 10, 20, 30 and 40
        Riferimento.mnu_Click(static_cast<std::int16_t>(10 * (i + 1)));
        EXPECT_EQ(f.Form().Righe(), Riferimento.Righe()) << "item " << i + 1;
    }
}

// From the first choice on, every line lies inside the view and every value
// starts at the same x: the report's fixed-width font, fitted to the view.
TEST_F(Finestra, EveryReportLiesInsideTheViewWithItsValuesInOneColumn) {
    VistaReport* Vista = f.Vista();
    for (QAction* Esempio : MenuVarnelo(f)->actions()) {
        Esempio->trigger();
        const std::vector<int> Inizi = Vista->InizioRighe();
        std::set<int> Colonne;
        for (std::size_t Riga = 0; Riga < f.Form().Righe().size(); ++Riga) {
            EXPECT_TRUE(Vista->rect().contains(Vista->RettangoloRiga(Riga))) << Riga;
            if (f.Form().Righe()[Riga].size() >= Form1::ColonnaValori) {
                const int Valore = Inizi[Riga] + static_cast<int>(Form1::ColonnaValori) - 1;
                Colonne.insert(Vista->RettangoloCarattere(Valore).left());
            }
        }
        EXPECT_LE(Colonne.size(), 1u) << Esempio->text().toStdString();
    }
}

TEST_F(Finestra, AccessKeysOpenTheMenuAndChooseAnExample) {
    QTest::keyClick(&f, Qt::Key_V, Qt::AltModifier);
    QWidget* Menu = QApplication::activePopupWidget();
    ASSERT_EQ(Menu, MenuVarnelo(f));
    QTest::keyClick(Menu, Qt::Key_4);
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
    EXPECT_EQ(f.Form().Righe().size(), 8u);
}

// Runs the event loop as the program does; true when it ended by itself
// after Azione, with nothing asked.
template <typename F>
bool IlProgrammaFinisceDopo(F Azione) {
    QTimer Inizio;
    Inizio.setSingleShot(true);
    QObject::connect(&Inizio, &QTimer::timeout, Azione);
    Inizio.start(0);
    QTimer Guardia;  // only if it never ends
    QObject::connect(&Guardia, &QTimer::timeout, [] { QApplication::exit(1); });
    Guardia.start(10000);
    return QApplication::exec() == 0 && QApplication::activeModalWidget() == nullptr;
}

TEST_F(Finestra, AltSEndsTheProgramWithoutAQuestion) {
    EXPECT_TRUE(
        IlProgrammaFinisceDopo([this] { QTest::keyClick(&f, Qt::Key_S, Qt::AltModifier); }));
    EXPECT_FALSE(f.isVisible());
    EXPECT_FALSE(f.Form().Caricato());
}

TEST_F(Finestra, ClosingFromTheTitleBarEndsTheProgram) {
    EXPECT_TRUE(IlProgrammaFinisceDopo([this] { f.close(); }));  // what the close button asks for
    EXPECT_FALSE(f.isVisible());
}

TEST_F(Finestra, PrintedLinesArePaintedAgainWheneverTheWindowIsExposed) {
    const QImage Vuota = f.Vista()->grab().toImage();
    MenuVarnelo(f)->actions()[3]->trigger();
    const QImage Report = f.Vista()->grab().toImage();
    EXPECT_NE(Report, Vuota);

    // Covered by another window, then uncovered: painted from the retained lines.
    QWidget Sopra;
    Sopra.setGeometry(f.geometry());
    Sopra.show();
    Sopra.hide();
    f.Vista()->repaint();
    EXPECT_EQ(f.Vista()->grab().toImage(), Report);

    f.resize(f.width() + 100, f.height() + 50);
    QApplication::processEvents();
    EXPECT_EQ(f.Vista()->grab().toImage().copy(0, 0, 384, 188), Report);
}

TEST_F(Finestra, AssistiveTechnologyReadsThePrintedLines) {
    MenuVarnelo(f)->actions()[3]->trigger();
    QAccessibleInterface* Vista = QAccessible::queryAccessibleInterface(f.Vista());
    ASSERT_NE(Vista, nullptr);
    QAccessibleTextInterface* Testo = Vista->textInterface();
    ASSERT_NE(Testo, nullptr);
    // Every printed line, whole, in order, as the form holds them.
    QStringList Stampate;
    for (const std::u16string& Riga : f.Form().Righe()) {
        Stampate << QString::fromStdU16String(Riga);
    }
    ASSERT_EQ(Stampate.size(), 8);
    const QString Letto = Testo->text(0, Testo->characterCount());
    EXPECT_EQ(Letto, Stampate.join(QLatin1Char('\n')));
    EXPECT_EQ(Vista->text(QAccessible::Value), Letto);

    // The first character of the text, of line 2 and of line 6: each lies at the left
    // edge, one line below the one before, and a point on it names it.
    const QRect Primo = Testo->characterRect(0);
    int RigaPrima = -1;
    for (const int Inizio : {0, static_cast<int>(Letto.indexOf(QLatin1Char('\n'))) + 1,
                             static_cast<int>(Letto.indexOf(QStringLiteral("    qui")))}) {
        SCOPED_TRACE(Inizio);
        const QRect Carattere = Testo->characterRect(Inizio);
        ASSERT_FALSE(Carattere.isEmpty());
        EXPECT_EQ(Carattere.left(), Primo.left());
        EXPECT_GT(Carattere.top(), RigaPrima);
        RigaPrima = Carattere.top();
        EXPECT_EQ(Testo->offsetAtPoint(Carattere.center()), Inizio);
    }
    const int Ultimo = static_cast<int>(Letto.size()) - 1;
    EXPECT_EQ(Testo->offsetAtPoint(Testo->characterRect(Ultimo).center()), Ultimo);
    EXPECT_TRUE(Testo->characterRect(Ultimo + 1).isNull());
}

// The pixels where two pictures of the view differ, as one bounding rectangle.
QRect Differenza(const QImage& a, const QImage& b) {
    QRect Diversi;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            if (a.pixel(x, y) != b.pixel(x, y)) {
                Diversi |= QRect(x, y, 1, 1);
            }
        }
    }
    return Diversi;
}

// What a screen reader hears is Orca's test (LettoreSchermo); what only the eye
// and a magnifier see is here.
TEST_F(Finestra, TheFocusFrameAppearsWithTheFirstLineKeyWhereTheLineIsLocated) {
    MenuVarnelo(f)->actions()[3]->trigger();
    VistaReport* Vista = f.Vista();
    ASSERT_TRUE(Vista->hasFocus()) << "a choice puts focus on the report";
    const QImage Scelto = Vista->grab().toImage();
    Vista->clearFocus();
    EXPECT_EQ(Vista->grab().toImage(), Scelto) << "focus alone draws nothing";
    Vista->setFocus();

    QTest::keyClick(Vista, Qt::Key_Down);
    const QImage Dopo = Vista->grab().toImage();
    // The frame is drawn around the second line, and nowhere else...
    const QRect Riga = Vista->RettangoloRiga(1);
    const QRect Cornice = Differenza(Scelto, Dopo);
    ASSERT_FALSE(Cornice.isEmpty()) << "no focus frame after Down";
    EXPECT_TRUE(Riga.contains(Cornice)) << "frame outside the line";
    EXPECT_LE(Riga.width() - Cornice.width(), 2);
    EXPECT_LE(Riga.height() - Cornice.height(), 2);
    // ...which is where the caret is, and where its characters are located.
    QAccessibleTextInterface* Testo = QAccessible::queryAccessibleInterface(Vista)->textInterface();
    const int Inizio = static_cast<int>(f.Form().Righe()[0].size()) + 1;
    EXPECT_EQ(Testo->cursorPosition(), Inizio);
    QRect Caratteri;
    for (int i = 0; i < static_cast<int>(f.Form().Righe()[1].size()); ++i) {
        Caratteri |= Testo->characterRect(Inizio + i);
    }
    EXPECT_EQ(Caratteri.translated(-Vista->mapToGlobal(QPoint(0, 0))), Riga);

    Vista->clearFocus();
    EXPECT_EQ(Vista->grab().toImage(), Scelto) << "the frame goes with focus";
}

// The lines a magnifier that follows the caret is sent to: one for every
// choice, even of the report it shows, and one for every move, none for a key
// that moves nothing.
std::vector<int> CursoriAnnunciati;

TEST_F(Finestra, TheCaretIsAnnouncedForEveryChoiceAndEveryMoveOnly) {
    VistaReport* Vista = f.Vista();
    // As when a reader listens: Qt tells nothing to nobody.
    QPlatformAccessibility* Piattaforma =
        QGuiApplicationPrivate::platformIntegration()->accessibility();
    ASSERT_NE(Piattaforma, nullptr);
    Piattaforma->setActive(true);
    QAccessible::installUpdateHandler([](QAccessibleEvent* Evento) {
        if (Evento->type() == QAccessible::TextCaretMoved) {
            CursoriAnnunciati.push_back(
                static_cast<QAccessibleTextCursorEvent*>(Evento)->cursorPosition());
        }
    });
    const auto Scegli4 = [this] { MenuVarnelo(f)->actions()[3]->trigger(); };
    const auto Premi = [Vista](Qt::Key Tasto, Qt::KeyboardModifiers Con = Qt::NoModifier) {
        return [=] { QTest::keyClick(Vista, Tasto, Con); };
    };
    struct Passo {
        const char* Nome;
        std::function<void()> Fai;
        std::vector<int> Righe;  // the lines announced, from 0
    };
    const Passo Passi[] = {
        {"choice", Scegli4, {0}},
        {"Down", Premi(Qt::Key_Down), {1}},
        {"Shift+Down", Premi(Qt::Key_Down, Qt::ShiftModifier), {}},
        {"Up", Premi(Qt::Key_Up), {0}},
        {"Up at the first line", Premi(Qt::Key_Up), {}},
        {"Ctrl+End", Premi(Qt::Key_End, Qt::ControlModifier), {7}},
        {"Down at the last line", Premi(Qt::Key_Down), {}},
        {"the same choice again", Scegli4, {0}},
    };
    for (const Passo& p : Passi) {
        SCOPED_TRACE(p.Nome);
        CursoriAnnunciati.clear();
        p.Fai();
        std::vector<int> Attesi;
        Attesi.reserve(p.Righe.size());
        for (const int Riga : p.Righe) {
            Attesi.push_back(Vista->InizioRighe()[static_cast<std::size_t>(Riga)]);
        }
        EXPECT_EQ(CursoriAnnunciati, Attesi);
    }
    QAccessible::installUpdateHandler(nullptr);
    Piattaforma->setActive(false);
}

// Made smaller than the report, the view cannot show the last line: there the
// caret is off-screen, and no frame is drawn for it.
TEST_F(Finestra, TheCaretsLineOutsideTheViewIsOffScreen) {
    MenuVarnelo(f)->actions()[3]->trigger();
    VistaReport* Vista = f.Vista();
    f.resize(f.width(), f.height() - Vista->height() + Vista->RettangoloRiga(3).bottom());
    QApplication::processEvents();
    QAccessibleInterface* Accessibile = QAccessible::queryAccessibleInterface(Vista);
    for (const auto& [Tasto, FuoriVista] :
         {std::pair{Qt::Key_End, true}, std::pair{Qt::Key_Home, false}}) {
        QTest::keyClick(Vista, Tasto, Qt::ControlModifier);
        EXPECT_EQ(Accessibile->state().offscreen, FuoriVista) << Tasto;
    }
}

TEST(VistaVuota, WithoutLinesKeysMoveNothingAndNothingIsFramed) {
    Form1 Form;
    VistaReport Vista(Form);
    Vista.show();
    Vista.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&Vista));
    Form.mnu_Click(40);
    Vista.Aggiorna();
    Form.Cls();
    Vista.Aggiorna();
    EXPECT_TRUE(Vista.hasFocus());
    const QImage Vuota = Vista.grab().toImage();
    for (const Qt::Key Tasto : {Qt::Key_Down, Qt::Key_Up, Qt::Key_End, Qt::Key_Home}) {
        QTest::keyClick(&Vista, Tasto, Qt::ControlModifier);
        QTest::keyClick(&Vista, Tasto);
    }
    EXPECT_EQ(Form.RigaAttiva(), 0u);
    EXPECT_EQ(Vista.grab().toImage(), Vuota);
    QAccessibleTextInterface* Testo =
        QAccessible::queryAccessibleInterface(&Vista)->textInterface();
    EXPECT_EQ(Testo->characterCount(), 0);
    EXPECT_EQ(Testo->cursorPosition(), 0);
}

TEST_F(Finestra, AssistiveTechnologySeesTheMenuTree) {
    QAccessibleInterface* Barra = QAccessible::queryAccessibleInterface(f.menuBar());
    ASSERT_NE(Barra, nullptr);
    ASSERT_EQ(Barra->childCount(), 2);
    EXPECT_EQ(Barra->child(0)->text(QAccessible::Name), QStringLiteral("Varnelo"));
    EXPECT_EQ(Barra->child(1)->text(QAccessible::Name), QStringLiteral("Esci"));
    QAccessibleInterface* Menu = QAccessible::queryAccessibleInterface(MenuVarnelo(f));
    ASSERT_EQ(Menu->childCount(), 4);
    EXPECT_EQ(Menu->child(2)->text(QAccessible::Name), QStringLiteral("3. esempio"));
}

// An assistive technology in the program's process: when the report view is
// hidden, it reads what the view says.
class LettoreAlNascondere : public QObject {
public:
    bool eventFilter(QObject* Oggetto, QEvent* Evento) override {
        if (Evento->type() == QEvent::Hide) {
            QAccessibleInterface* Vista = QAccessible::queryAccessibleInterface(Oggetto);
            if (Vista != nullptr && Vista->isValid()) {
                Letti += Vista->text(QAccessible::Value).size();
                Letti += Vista->textInterface()->characterRect(0).width();
            }
        }
        return false;
    }
    qsizetype Letti = 0;
};

TEST(FinestraChiusa, NothingReadsTheReportOnceItsWindowIsGone) {
    LettoreAlNascondere Lettore;
    auto* f = new FinestraPrincipale;
    f->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(f));
    MenuVarnelo(*f)->actions()[3]->trigger();
    f->Vista()->installEventFilter(&Lettore);
    const QAccessible::Id Vista =
        QAccessible::uniqueId(QAccessible::queryAccessibleInterface(f->Vista()));
    delete f;  // under the sanitizers, a read of the destroyed report fails here
    EXPECT_EQ(QAccessible::accessibleInterface(Vista), nullptr);
}

}  // namespace
