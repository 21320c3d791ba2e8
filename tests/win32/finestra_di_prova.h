// The program's window in the test's own process, made and shown without
// taking the focus: where every test of the native window starts.
#pragma once

#include <gtest/gtest.h>

#include <windows.h>

#include "finestra_principale.h"

class FinestraDiProva : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(f.Crea()) << "creation failed: " << testing::PrintToString(f.Fallimento());
        ShowWindow(f.Handle(), SW_SHOWNOACTIVATE);
        UpdateWindow(f.Handle());
    }
    void TearDown() override {
        if (f.Handle() != nullptr) {
            DestroyWindow(f.Handle());
        }
    }

    // Chooses an example as its menu item does.
    void Scegli(int Index) { SendMessageW(f.Handle(), WM_COMMAND, MAKEWPARAM(Index, 0), 0); }

    Varnelo::FinestraPrincipale f{GetModuleHandleW(nullptr)};
};
