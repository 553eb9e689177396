#pragma once

// The input layer shared by every array of option buttons drawn as push buttons: the focus
// colours, the selected state cleared so no button stays drawn pressed, the space-bar
// scanning step, the keys an array accepts and what they do, and the guards that let a held
// key act only once.

#include "platform/keys.h"
#include "shared/statocondiviso.h"

#include <QString>
#include <functional>
#include <vector>

namespace platform {
class Form;
}

namespace ingresso {

enum class Azione {
    Nessuna,       // accepted, and does nothing
    Conferma,      // Enter: the array's command for the button that has the focus
    Fuoco,         // moves the focus to a button
    FuocoSeAcceso, // moves the focus to a button if that button is switched on
    Speciale,      // an action of the window's own (the keypad's digits and C)
};

// Accepted key codes `da` to `a` and their action. The value is a button index or a digit:
// fixed, or the key code minus `base` when `base` is given.
struct Tasto {
    int da;
    int a;
    Azione azione;
    int valore = 0;
    int base = -1;
    int Valore(int codice) const { return base >= 0 ? codice - base : valore; }
};

// How one array treats its buttons' notifications.
struct Schieramento {
    QString nome;
    int conta;                 // buttons in the array
    bool guardie;              // repeat guards, the guarded scanning step and filter
    bool valoreAlPerdereFuoco; // focus lost clears the selected state
    bool valoreAlTastoSu;      // key up clears the selected state
    bool guardieAlMouseSu;     // mouse up clears the guards
    std::vector<Tasto> tasti;  // the accepted keys; every other one is discarded
};

class Pulsantiera final {
public:
    using Comando = std::function<void(int indice)>;
    using Speciale = std::function<void(int valore, int indice)>;

    Pulsantiera(Schieramento schieramento, TastoTenuto& tenuto);

    // Binds the handlers to the array's buttons of a window that has just been loaded. The
    // command runs on Enter, on a mouse press and on an assistive tool's press.
    void Collega(platform::Form& finestra, Comando comando, Speciale speciale = {});

    // The repeat guards: window fields, never reset by loading or closing the window.
    bool BloccoPressione = false;
    bool BloccoTastoGiu = false;

    void GotFocus(int indice);
    void LostFocus(int indice);
    void KeyPress(int indice, int& carattere, bool ripetuto);
    void KeyDown(int indice, platform::KeyArgs& tasto);
    void KeyUp(int indice);
    void MouseDown(int indice);
    void MouseUp(int indice);
    void PassoScansione(int indice);

    const Schieramento& Descrizione() const { return s_; }

private:
    const Tasto* Accettato(int codice) const;
    void Esegui(const Tasto& tasto, int codice, int indice);
    bool RipetutoDaAltrove(bool ripetuto) const;
    void LiberaGuardie();

    Schieramento s_;
    TastoTenuto& tenuto_;
    platform::Form* finestra_ = nullptr;
    Comando comando_;
    Speciale speciale_;
};

} // namespace ingresso
