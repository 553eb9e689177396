#include "layout/proporzioni.h"

#include "platform/form.h"

using platform::Control;
using platform::ControlKind;

Proporzioni CatturaProporzioni(platform::Form& finestra) {
    const int conta = finestra.Count();
    Proporzioni proporzioni(static_cast<std::size_t>(conta));
    const float larghezza = static_cast<float>(finestra.ScaleWidth());
    const float altezza = static_cast<float>(finestra.ScaleHeight());
    if (larghezza <= 0 || altezza <= 0) {
        return proporzioni; // every division would fail: all ratios stay 0
    }
    for (int i = 0; i < conta; ++i) {
        const Control& c = finestra.At(i);
        if (!c.HasGeometry()) {
            continue;
        }
        Proporzione& p = proporzioni[static_cast<std::size_t>(i)];
        p.Larghezza = static_cast<float>(c.Width()) / larghezza;
        p.Altezza = static_cast<float>(c.Height()) / altezza;
        p.Sinistra = static_cast<float>(c.Left()) / larghezza;
        p.Alto = static_cast<float>(c.Top()) / altezza;
    }
    return proporzioni;
}

void ApplicaProporzioni(platform::Form& finestra, const Proporzioni& proporzioni) {
    const std::vector<Control*>& controlli = finestra.Controls();
    const std::size_t conta = std::min(controlli.size(), proporzioni.size());
    const float larghezza = static_cast<float>(finestra.ScaleWidth());
    const float altezza = static_cast<float>(finestra.ScaleHeight());
    for (std::size_t i = 0; i < conta; ++i) {
        Control& c = *controlli[i];
        const ControlKind kind = c.Kind();
        if (kind == ControlKind::Timer || kind == ControlKind::Menu || kind == ControlKind::Line) {
            continue;
        }
        const Proporzione& p = proporzioni[i];
        const float left = larghezza * p.Sinistra;
        const float top = altezza * p.Alto;
        const float width = larghezza * p.Larghezza;
        const float height = altezza * p.Altezza;
        c.Move(left, top, width, height);
    }
}
