// GoogleTest's main for the window tests: one QApplication, always offscreen.
#include <gtest/gtest.h>

#include <QApplication>

namespace {
// The offscreen platform says what it can't do for every window; nothing to act on.
void FiltraMessaggi(QtMsgType Tipo, const QMessageLogContext& Contesto, const QString& Testo) {
    if (!Testo.startsWith(QStringLiteral("This plugin does not support"))) {
        qt_message_output(Tipo, Contesto, Testo);
    }
}
}  // namespace

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(FiltraMessaggi);
    QApplication Applicazione(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
