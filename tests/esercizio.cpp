#include "esercizio.h"

#include <QWidget>

QString RiquadroDavanti(FrmOperativo& frm) {
    static const QLatin1String riquadri[] = {QLatin1String("fraTastierino"),
                                             QLatin1String("fraAiuto"), QLatin1String("fraAvviso"),
                                             QLatin1String("fraIntervento")};
    QString davanti;
    for (QObject* figlio : frm.Client()->children()) {
        for (const QLatin1String nome : riquadri) {
            if (figlio->objectName() == nome) {
                davanti = figlio->objectName();
            }
        }
    }
    return davanti;
}

QString RispostaAttesa(const StatoCondiviso& stato, const FrmOperativo& frm) {
    return stato.Risultati[static_cast<std::size_t>(frm.RigaCorrente)].trimmed();
}

void Digita(FrmOperativo& frm, QStringView tasti) {
    for (const QChar t : tasti) {
        frm.PremiTasto(t == u'C' ? tastierino::Cancella : t.digitValue());
    }
}

void RispondiFinoA(FrmOperativo& frm, const StatoCondiviso& stato, int numero) {
    while (stato.NumeroEsercizio < numero) {
        if (frm.Option1(tastierino::NuovaTabella).Enabled()) {
            frm.PremiTasto(tastierino::NuovaTabella);
        }
        Digita(frm, u"C");
        Digita(frm, RispostaAttesa(stato, frm));
        frm.PremiTasto(tastierino::Invio);
    }
}
