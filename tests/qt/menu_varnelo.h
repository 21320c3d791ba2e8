// The window's "&Varnelo" pull-down, whose actions are the four examples.
#pragma once

#include <QMenu>
#include <QMenuBar>

#include "finestra_principale.h"

inline QMenu* MenuVarnelo(const FinestraPrincipale& f) {
    return f.menuBar()->actions().front()->menu();
}
