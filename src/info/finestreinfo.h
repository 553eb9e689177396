#pragma once

// The two information windows: the author's addresses and the instructions. Both open at
// their design size, modally, and close with "C h i u d i".

#include "platform/form.h"

class FrmAutore final : public platform::Form {
public:
    FrmAutore();

protected:
    void BindEvents() override;
};

class FrmIstruzioni final : public platform::Form {
public:
    FrmIstruzioni();

    // The instructions: thirteen pieces, lines broken by carriage returns.
    static QString TestoIstruzioni();

protected:
    void BindEvents() override;
    void Form_Load() override;
};
