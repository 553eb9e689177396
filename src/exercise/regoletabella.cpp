#include "exercise/regoletabella.h"

#include "platform/runtimeerror.h"

#include <algorithm>
#include <cmath>

namespace regole {

namespace {
int Estrai(platform::RandomSource& caso) {
    const double r = caso.Next();
    const int valore = static_cast<int>(std::floor(r * 10.0)) + 1;
    return std::clamp(valore, 1, 10);
}
} // namespace

std::int16_t ProssimoMinuendo(std::int16_t tabella, std::int16_t tabellaScelta) {
    if (int{tabella} + 10 > kMinuendoMassimo) {
        return platform::CheckedAdd(tabellaScelta, 10);
    }
    return platform::CheckedAdd(tabella, 10);
}

QString TestoRisultato(int differenza) {
    return u' ' + QString::number(differenza);
}

QString PrefissoEsercizio(int minuendo, int sottraendo) {
    QString prefisso = QString::number(minuendo) + QStringLiteral(" - ");
    if (sottraendo < 10) {
        prefisso += u' ';
    }
    return prefisso + QString::number(sottraendo) + QStringLiteral(" = ");
}

std::int16_t EstraiSottraendo(platform::RandomSource& caso, const std::array<QString, 12>& usati) {
    int valore = Estrai(caso);
    for (int estrazioni = 1; usati[static_cast<std::size_t>(valore)] == kUsato; ++estrazioni) {
        if (estrazioni >= kEstrazioniMassime) {
            for (int passo = 1; passo <= 10; ++passo) {
                const int candidato = (valore - 1 + passo) % 10 + 1;
                if (usati[static_cast<std::size_t>(candidato)] != kUsato) {
                    return static_cast<std::int16_t>(candidato);
                }
            }
            throw platform::RuntimeError("nessun sottraendo libero");
        }
        valore = Estrai(caso);
    }
    return static_cast<std::int16_t>(valore);
}

} // namespace regole
