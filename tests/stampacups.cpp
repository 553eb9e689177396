// Prints thirty exercise lines through the program's own printer code on the default printer,
// as "STAMPA LE OPERAZIONI" does. Run by stampa_cups.sh against a private CUPS server.

#include "exercise/regoletabella.h"
#include "platform/qtprinter.h"
#include "print/stampaesercizi.h"

#include <QApplication>
#include <QPrinterInfo>
#include <cstdio>

namespace {
class Messaggi final : public platform::MessageBox {
public:
    void Show(const QString& testo) override {
        std::fprintf(stderr, "messaggio: %s\n", qPrintable(testo));
        ++mostrati;
    }
    int mostrati = 0;
};
} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    const QPrinterInfo predefinita = QPrinterInfo::defaultPrinter();
    if (predefinita.isNull()) {
        std::fprintf(stderr, "nessuna stampante predefinita\n");
        return 2;
    }
    std::printf("stampante: %s\n", qPrintable(predefinita.printerName()));
    StatoCondiviso stato;
    for (int n = 0; n < 30; ++n) {
        const int minuendo = 10 * (n / 10 + 1);
        const int sottraendo = n % 10 + 1;
        stato.Esercizi[static_cast<std::size_t>(n)] =
            regole::PrefissoEsercizio(minuendo, sottraendo) +
            QString::number(minuendo - sottraendo) + QStringLiteral("  ");
    }
    stato.NumeroEsercizio = 30;
    platform::QtPrinterProvider stampanti;
    Messaggi messaggi;
    stampa::StampaEsercizi(stato, *stampanti.DefaultPrinter(), messaggi);
    return messaggi.mostrati == 0 ? 0 : 1;
}
