// The Qt window of Form1: caption, menu bar and client area.
#pragma once

#include <QMainWindow>

#include "main_window/form1.h"

class VistaReport;

class FinestraPrincipale : public QMainWindow {
    Q_OBJECT

public:
    FinestraPrincipale();
    ~FinestraPrincipale() override;
    FinestraPrincipale(const FinestraPrincipale&) = delete;
    FinestraPrincipale& operator=(const FinestraPrincipale&) = delete;

    const Form1& Form() const { return form_; }
    VistaReport* Vista() const { return vista_; }

private:
    void CreaMenu();
    void Esegui(std::int16_t Index);
    void Esci();

    Form1 form_;
    VistaReport* vista_;  // refers to form_, so it goes first (see the destructor)
};
