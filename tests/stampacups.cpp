// Prints thirty exercise lines through the program's own printer code on the default printer,
// as "STAMPA LE OPERAZIONI" does. Run by stampa_cups.sh against a private CUPS server.

#include "exercise/regoletabella.h"
#include "platform/qtprinter.h"
#include "print/stampaesercizi.h"

#include <QApplication>
#include <QFontMetricsF>
#include <QPrinter>
#include <QPrinterInfo>
#include <cstdio>

using namespace Qt::StringLiterals;

namespace {
class Messaggi final : public platform::MessageBox {
public:
    void Show(const QString& testo) override {
        std::fprintf(stderr, "messaggio: %s\n", qPrintable(testo));
        ++mostrati;
    }
    int mostrati = 0;
};
// The real printer, except that the finished page is sent only when a line comes on the
// standard input: between the two, the test can take the print server away.
class Attesa final : public platform::Printer {
public:
    explicit Attesa(std::unique_ptr<platform::Printer> vera) : vera_(std::move(vera)) {}
    int FontCount() const override { return vera_->FontCount(); }
    QString FontName(int index) const override { return vera_->FontName(index); }
    void SetFontName(const QString& name) override { vera_->SetFontName(name); }
    void SetFontSize(double points) override { vera_->SetFontSize(points); }
    void SetFontBold(bool bold) override { vera_->SetFontBold(bold); }
    void SetCurrentX(double twips) override { vera_->SetCurrentX(twips); }
    void SetCurrentY(double twips) override { vera_->SetCurrentY(twips); }
    void Print(const QString& text) override { vera_->Print(text); }
    platform::PrintOutcome EndDoc() override {
        std::printf("pronto\n");
        std::fflush(stdout);
        char riga[8];
        (void)std::fgets(riga, sizeof riga, stdin);
        return vera_->EndDoc();
    }

private:
    std::unique_ptr<platform::Printer> vera_;
};
} // namespace

// The default queue's paper as the program finds it: "media width height left top", in
// twips.
int Carta(const QString& coda) {
    const auto carta = platform::QueuePaperOf(coda);
    if (!carta) {
        std::printf("nessuna\n");
        return 1;
    }
    std::printf("%s %.1f %.1f %.1f %.1f\n", qPrintable(carta->media), carta->size.width() * 20,
                carta->size.height() * 20, carta->printableOrigin.x() * 20,
                carta->printableOrigin.y() * 20);
    return 0;
}

// The ascent, in twips, of the page's fonts as they are drawn: the heading's (18 pt) and the
// lines' (12 pt bold). A text's top-left corner is its place; its baseline is this far below.
int Ascese() {
    QPrinter stampante(QPrinter::HighResolution);
    const QString nome = platform::QtPrinter::SystemFontNames().contains(u"Courier New")
                             ? QStringLiteral("Courier New")
                             : QStringLiteral("Courier");
    QFont intestazione(nome);
    intestazione.setPointSizeF(18);
    QFont righe(nome);
    righe.setPointSizeF(12);
    righe.setBold(true);
    const double perTwip = stampante.resolution() / 1440.0;
    std::printf("%.1f %.1f\n", QFontMetricsF(intestazione, &stampante).ascent() / perTwip,
                QFontMetricsF(righe, &stampante).ascent() / perTwip);
    return 0;
}

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    const QStringList argomenti = app.arguments();
    if (argomenti.contains(u"--ascese")) {
        return Ascese();
    }
    const QPrinterInfo predefinita = QPrinterInfo::defaultPrinter();
    if (predefinita.isNull()) {
        std::fprintf(stderr, "nessuna stampante predefinita\n");
        return 2;
    }
    if (argomenti.contains(u"--carta")) {
        return Carta(predefinita.printerName());
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
    platform::QtPrinterProvider stampanti(stampa::kNomeLavoro);
    std::unique_ptr<platform::Printer> stampante = stampanti.DefaultPrinter();
    if (argomenti.contains(u"--attendi")) {
        stampante = std::make_unique<Attesa>(std::move(stampante));
    }
    Messaggi messaggi;
    stampa::StampaEsercizi(stato, *stampante, messaggi);
    return messaggi.mostrati == 0 ? 0 : 1;
}
