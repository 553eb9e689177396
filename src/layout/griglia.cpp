#include "layout/griglia.h"

#include "platform/control.h"

namespace {

// Where line k leaves the minuend box and where it ends at its sign, as offsets in twips
// (fixed, not scaled) from the box's and the sign's edges.
enum class Ancora { Sinistra, Centro, Destra };
enum class Livello { Alto, Basso };
struct Tratto {
    Ancora partenza; // x: 150 left of the box, its middle, or 150 right of it
    Livello livello; // y: from the box's top plus `scostamento`, or its bottom edge
    float scostamento;
    float finaleX; // from the sign's left edge
    float finaleY; // from the sign's top
};
constexpr Tratto kTratti[10] = {
    {Ancora::Sinistra, Livello::Alto, 150, 150, -100},
    {Ancora::Sinistra, Livello::Alto, 350, 150, -150},
    {Ancora::Sinistra, Livello::Alto, 550, 150, -150},
    {Ancora::Sinistra, Livello::Basso, 0, 150, -150},
    {Ancora::Centro, Livello::Basso, 0, 150, -150},
    {Ancora::Centro, Livello::Basso, 0, 150, -150},
    {Ancora::Destra, Livello::Basso, 0, -150, -150},
    {Ancora::Destra, Livello::Alto, 550, -150, -150},
    {Ancora::Destra, Livello::Alto, 350, -150, -150},
    {Ancora::Destra, Livello::Alto, 150, -150, -150},
};

} // namespace

void PosizionaLinee(const Albero& albero) {
    const platform::Control& minuendo = *albero.minuendo;
    const float l = static_cast<float>(minuendo.Left());
    const float t = static_cast<float>(minuendo.Top());
    const float w = static_cast<float>(minuendo.Width());
    const float h = static_cast<float>(minuendo.Height());
    for (int k = 0; k < 10; ++k) {
        const Tratto& tratto = kTratti[k];
        const platform::Control& segno = *albero.segni[static_cast<std::size_t>(k)];
        platform::Control& linea = *albero.linee[static_cast<std::size_t>(k)];
        float x1 = l - 150;
        if (tratto.partenza == Ancora::Centro) {
            x1 = l + w / 2;
        } else if (tratto.partenza == Ancora::Destra) {
            x1 = l + w + 150;
        }
        const float y1 = tratto.livello == Livello::Alto ? t + tratto.scostamento : t + h;
        linea.SetX1(x1);
        linea.SetY1(y1);
        linea.SetX2(static_cast<float>(segno.Left()) + tratto.finaleX);
        linea.SetY2(static_cast<float>(segno.Top()) + tratto.finaleY);
    }
}

void AllineaRiquadri(const platform::Control& riferimento,
                     std::span<platform::Control* const> riquadri) {
    for (platform::Control* riquadro : riquadri) {
        riquadro->SetTop(riferimento.Top());
    }
    for (platform::Control* riquadro : riquadri) {
        riquadro->SetLeft(riferimento.Left());
    }
}
