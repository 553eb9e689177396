#include "input/pulsantiera.h"

#include "platform/form.h"
#include "shared/tavolozza.h"

namespace ingresso {

using platform::Control;
using platform::KeyArgs;

Pulsantiera::Pulsantiera(Schieramento schieramento, TastoTenuto& tenuto)
    : s_(std::move(schieramento)), tenuto_(tenuto) {
}

void Pulsantiera::Collega(platform::Form& finestra, Comando comando, Speciale speciale) {
    finestra_ = &finestra;
    comando_ = std::move(comando);
    speciale_ = std::move(speciale);
    for (int i = 0; i < s_.conta; ++i) {
        Control& c = finestra.Ctl(s_.nome, i);
        c.OnGotFocus([this, i] { GotFocus(i); });
        c.OnLostFocus([this, i] { LostFocus(i); });
        c.OnKeyPress(
            [this, i](int& carattere, bool ripetuto) { KeyPress(i, carattere, ripetuto); });
        c.OnKeyDown([this, i](KeyArgs& tasto) { KeyDown(i, tasto); });
        c.OnKeyUp([this, i](const KeyArgs&) { KeyUp(i); });
        c.OnMouseDown([this, i](const platform::MouseArgs&) { MouseDown(i); });
        c.OnMouseUp([this, i](const platform::MouseArgs&) { MouseUp(i); });
        c.OnClick([this, i] { comando_(i); });
    }
}

void Pulsantiera::GotFocus(int indice) {
    Control& c = finestra_->Ctl(s_.nome, indice);
    c.SetBackColor(tavolozza::ColoreFuoco);
    c.SetValue(false);
}

void Pulsantiera::LostFocus(int indice) {
    Control& c = finestra_->Ctl(s_.nome, indice);
    c.SetBackColor(tavolozza::ColoreRiposo);
    if (s_.valoreAlPerdereFuoco) {
        c.SetValue(false);
    }
}

// A held key acts only where it went down: its auto-repeats are ignored on any other array.
bool Pulsantiera::RipetutoDaAltrove(bool ripetuto) const {
    return ripetuto && tenuto_.origine != this;
}

void Pulsantiera::KeyPress(int indice, int& carattere, bool ripetuto) {
    if (RipetutoDaAltrove(ripetuto)) {
        return;
    }
    if (s_.guardie && BloccoPressione) {
        return;
    }
    if (carattere != platform::vk::Space) {
        carattere = 0;
        return;
    }
    if (s_.guardie) {
        PassoScansione(indice);
        BloccoPressione = true;
    } else {
        // Two buttons: Space goes to the other one, at every repetition.
        finestra_->Ctl(s_.nome, indice == 0 ? 1 : 0).SetFocus();
    }
}

// The next switched-on button after this one, wrapping round; only the button's own state
// counts. This button has the focus, so the search ends at the latest when it comes back here.
void Pulsantiera::PassoScansione(int indice) {
    int i = indice + 1;
    for (;;) {
        if (i >= s_.conta) {
            i = 0;
        }
        if (finestra_->Ctl(s_.nome, i).Enabled() || i == indice) {
            break;
        }
        ++i;
    }
    finestra_->Ctl(s_.nome, i).SetFocus();
}

const Tasto* Pulsantiera::Accettato(int codice) const {
    for (const Tasto& t : s_.tasti) {
        if (codice >= t.da && codice <= t.a) {
            return &t;
        }
    }
    return nullptr;
}

void Pulsantiera::KeyDown(int indice, KeyArgs& tasto) {
    if (!tasto.repeat) {
        tenuto_ = {tasto.keyCode, this, {}};
        if (s_.guardie) {
            tenuto_.liberaGuardie = [this] { LiberaGuardie(); };
        }
    } else if (RipetutoDaAltrove(true)) {
        return;
    }
    if (s_.guardie && BloccoTastoGiu) {
        return;
    }
    const Tasto* accettato = Accettato(tasto.keyCode);
    if (accettato == nullptr) {
        tasto.keyCode = 0; // discarded
        return;
    }
    const int codice = tasto.keyCode;
    if (s_.guardie) {
        BloccoTastoGiu = true; // set for every accepted key, whatever its action does
    }
    Esegui(*accettato, codice, indice);
}

void Pulsantiera::Esegui(const Tasto& tasto, int codice, int indice) {
    const int valore = tasto.Valore(codice);
    switch (tasto.azione) {
    case Azione::Nessuna:
        break;
    case Azione::Conferma:
        comando_(indice);
        break;
    case Azione::Fuoco:
        if (valore >= 0 && valore < s_.conta) { // a key with no button does nothing
            finestra_->Ctl(s_.nome, valore).SetFocus();
        }
        break;
    case Azione::FuocoSeAcceso:
        if (finestra_->Ctl(s_.nome, valore).Enabled()) {
            finestra_->Ctl(s_.nome, valore).SetFocus();
        }
        break;
    case Azione::Speciale:
        if (speciale_) {
            speciale_(valore, indice);
        }
        break;
    }
}

// A key that went down on another array (it moved the focus here, or into this window) also
// frees that array: otherwise its next stroke would be swallowed.
void Pulsantiera::KeyUp(int indice) {
    if (tenuto_.origine != this && tenuto_.liberaGuardie) {
        tenuto_.liberaGuardie();
    }
    tenuto_ = {};
    if (s_.guardie) {
        LiberaGuardie();
    }
    if (s_.valoreAlTastoSu) {
        finestra_->Ctl(s_.nome, indice).SetValue(false);
    }
}

// The press of any mouse button runs the command at once.
void Pulsantiera::MouseDown(int indice) {
    comando_(indice);
}

void Pulsantiera::LiberaGuardie() {
    BloccoPressione = false;
    BloccoTastoGiu = false;
}

void Pulsantiera::MouseUp(int indice) {
    if (s_.guardieAlMouseSu) {
        LiberaGuardie();
    }
    finestra_->Ctl(s_.nome, indice).SetValue(false);
}

} // namespace ingresso
