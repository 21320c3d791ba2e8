// Start-up probe shared by the program and its baseline: prints, on the first
// paint of Finestra, the wall-clock time in nanoseconds (the driver subtracts
// its own launch time) and the resident memory in KiB, then after Esempi has
// run the peak resident memory, and quits.
#pragma once

#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <chrono>
#include <cstdio>
#include <functional>

#include "stato_processo.h"

class SondaAvvio : public QObject {
public:
    SondaAvvio(QWidget& Finestra, std::function<void()> Esempi)
        : finestra_(Finestra), esempi_(std::move(Esempi)) {
        qApp->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* Oggetto, QEvent* Evento) override {
        if (!dipinta_ && Evento->type() == QEvent::Paint && Oggetto->isWidgetType() &&
            static_cast<QWidget*>(Oggetto)->window() == &finestra_) {
            dipinta_ = true;
            const auto Ora = std::chrono::system_clock::now().time_since_epoch();
            std::printf("first_paint_ns %lld\n",
                        static_cast<long long>(
                            std::chrono::duration_cast<std::chrono::nanoseconds>(Ora).count()));
            std::printf("rss_kib %ld\n", MemoriaDiProcesso("self", "VmRSS:"));
            QTimer::singleShot(0, this, [this] {
                esempi_();
                std::printf("peak_rss_kib %ld\n", MemoriaDiProcesso("self", "VmHWM:"));
                (void)std::fflush(stdout);
                QApplication::quit();
            });
        }
        return false;
    }

private:
    QWidget& finestra_;
    std::function<void()> esempi_;
    bool dipinta_ = false;
};
