// The print window and the printed page: the font rule, the places of the lines, what the
// user is told, and a real page drawn by Qt into a PDF.

#include "exercise/regoletabella.h"
#include "platform/qtprinter.h"
#include "print/frmstampaesercizio.h"
#include "print/stampaesercizi.h"
#include "shared/icona.h"
#include "stampantefinta.h"

#include <QDir>
#include <QMainWindow>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using platform::PrintOutcome;

namespace {

// Thirty finished exercises, as three tables of the 0 would leave them.
void TrentaEsercizi(StatoCondiviso& s) {
    for (int n = 0; n < 30; ++n) {
        const int minuendo = 10 * (n / 10 + 1);
        const int sottraendo = n % 10 + 1;
        s.Esercizi[static_cast<std::size_t>(n)] = regole::PrefissoEsercizio(minuendo, sottraendo) +
                                                  QString::number(minuendo - sottraendo) + u"  "_s;
    }
    s.NumeroEsercizio = 30;
}

// The words of a PDF with their boxes, in points, as pdftotext -bbox gives them.
struct Parola {
    QString testo;
    double x, y;
};
QList<Parola> Parole(const QString& pdf) {
    QProcess p;
    p.start(u"pdftotext"_s, {u"-bbox"_s, pdf, u"-"_s});
    if (!p.waitForFinished(20000)) {
        return {};
    }
    QList<Parola> parole;
    static const QRegularExpression re(
        QStringLiteral("<word xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\" xMax=\"[\\d.]+\" "
                       "yMax=\"[\\d.]+\">([^<]*)</word>"));
    for (const auto& m : re.globalMatch(QString::fromUtf8(p.readAllStandardOutput()))) {
        parole.push_back({m.captured(3), m.captured(1).toDouble(), m.captured(2).toDouble()});
    }
    return parole;
}

// A print window over thirty finished exercises, with fake printers and message box.
struct FinestraDiStampa {
    FinestraDiStampa() { TrentaEsercizi(s); }
    StatoCondiviso s;
    StampantiFinte stampanti{{QStringLiteral("Courier")}};
    MessaggiFinti messaggi;
    FrmStampaEsercizio f{s, stampanti, messaggi};
};

} // namespace

class TestStampa : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void fontRule_data();
    void fontRule();
    void placesOfTheLines_data();
    void placesOfTheLines();
    void whatTheUserIsTold_data();
    void whatTheUserIsTold();
    void printWindowListsEveryLine();
    void printButtonPrintsTwice();
    void heldEnterPrintsOnePage();
    void realPage();
    void noPrinterWritesAPdf();
    void noPrinterAndNoDocumentsFolder_data();
    void noPrinterAndNoDocumentsFolder();
};

void TestStampa::initTestCase() {
    platform::Form::SetProgramIcon(IconaProgramma());
    QApplication::setQuitOnLastWindowClosed(false);
}

void TestStampa::fontRule_data() {
    QTest::addColumn<QStringList>("elenco");
    QTest::addColumn<QString>("scelto"); // empty: the message, and nothing printed
    QTest::newRow("Courier New before Courier")
        << QStringList{u"Arial"_s, u"Courier New"_s, u"Courier"_s} << u"Courier New"_s;
    QTest::newRow("only Courier") << QStringList{u"Arial"_s, u"Courier"_s, u"Times"_s}
                                  << u"Courier"_s;
    QTest::newRow("case counts") << QStringList{u"courier"_s, u"COURIER NEW"_s} << QString();
    QTest::newRow("neither") << QStringList{u"Arial"_s, u"Liberation Mono"_s} << QString();
    QTest::newRow("an empty list") << QStringList{} << QString();
}

void TestStampa::fontRule() {
    QFETCH(QStringList, elenco);
    QFETCH(QString, scelto);
    StatoCondiviso s;
    TrentaEsercizi(s);
    StampanteFinta stampante(elenco);
    MessaggiFinti messaggi;
    stampa::StampaEsercizi(s, stampante, messaggi);
    if (scelto.isEmpty()) {
        QCOMPARE(messaggi.mostrati,
                 QStringList{u"Devi installare il font Courier o il font Courier New"_s});
        QVERIFY(stampante.operazioni.isEmpty()); // no document started, nothing set
        return;
    }
    QVERIFY(messaggi.mostrati.isEmpty());
    QCOMPARE(stampante.operazioni.first(), u"font"_s);
    QCOMPARE(stampante.operazioni.last(), u"end"_s);
    for (const auto& t : stampante.stampati) {
        QCOMPARE(t.font, scelto);
    }
}

void TestStampa::placesOfTheLines_data() {
    QTest::addColumn<int>("numero");
    QTest::newRow("no exercise done: line 0 only") << 0;
    QTest::newRow("thirty exercises: lines 0 to 30") << 30;
}

void TestStampa::placesOfTheLines() {
    QFETCH(int, numero);
    StatoCondiviso s;
    TrentaEsercizi(s);
    s.NumeroEsercizio = static_cast<std::int16_t>(numero);
    StampanteFinta stampante({u"Courier"_s});
    MessaggiFinti messaggi;
    stampa::StampaEsercizi(s, stampante, messaggi);

    QCOMPARE(stampante.stampati.size(), std::size_t(numero + 2));
    const auto& titolo = stampante.stampati.front();
    QCOMPARE(titolo.testo, u"SCUOLA ELEMENTARE DI "_s);
    QCOMPARE(QPointF(titolo.x, titolo.y), QPointF(1000, 1000));
    QCOMPARE(titolo.punti, 18.0);
    QVERIFY(!titolo.grassetto);
    QCOMPARE(int{s.ContatoreStampa}, numero + 1);
    for (int i = 0; i <= numero; ++i) {
        const auto& t = stampante.stampati[static_cast<std::size_t>(i + 1)];
        QCOMPARE(t.testo, s.Esercizi[static_cast<std::size_t>(i)]); // line 30 is empty
        QCOMPARE(t.punti, 12.0);
        QVERIFY(t.grassetto);
        QPointF atteso;
        if (i <= 10) {
            atteso = {1000, 3600.0 + 400 * i};
        } else if (i <= 20) {
            atteso = {6000, 4000.0 + 400 * (i - 11)};
        } else {
            atteso = {1000, 4000.0 + 400 * (i - 10)};
        }
        QCOMPARE(QPointF(t.x, t.y), atteso);
    }
    if (numero == 30) {
        QCOMPARE(QPointF(stampante.stampati.back().x, stampante.stampati.back().y),
                 QPointF(1000, 12000));
    }
    QCOMPARE(stampante.documenti, 1);
}

void TestStampa::whatTheUserIsTold_data() {
    QTest::addColumn<int>("tipo");
    QTest::addColumn<int>("motivo");
    QTest::addColumn<QString>("messaggio"); // a part of it
    using K = PrintOutcome::Kind;
    using R = PrintOutcome::Reason;
    QTest::newRow("printed: nothing to say") << int(K::Printed) << int(R::None) << QString();
    QTest::newRow("no printer: where the PDF is")
        << int(K::SavedPdf) << int(R::None) << u"/home/maestra/Documenti/pagina.pdf"_s;
    QTest::newRow("printer stopped: the page waits")
        << int(K::Waiting) << int(R::None) << u"aspetta in coda"_s;
    QTest::newRow("queue not accepting")
        << int(K::Failed) << int(R::NotAccepting)
        << u"La pagina non \u00e8 stata stampata: la stampante \u00abAula\u00bb non accetta "
           u"stampe in questo momento.\n"_s;
    QTest::newRow("print server gone")
        << int(K::Failed) << int(R::Unreachable)
        << u"\u00abAula\u00bb non risponde: il servizio di stampa non \u00e8 raggiungibile."_s;
    QTest::newRow("any other refusal")
        << int(K::Failed) << int(R::Refused) << u"\u00abAula\u00bb ha rifiutato la pagina."_s;
    QTest::newRow("nowhere to write the PDF")
        << int(K::Failed) << int(R::NoFolder)
        << u"non \u00e8 stata stampata: non c'\u00e8 una cartella in cui scriverla."_s;
}

void TestStampa::whatTheUserIsTold() {
    QFETCH(int, tipo);
    QFETCH(int, motivo);
    QFETCH(QString, messaggio);
    StatoCondiviso s;
    TrentaEsercizi(s);
    const auto prima = s.Esercizi;
    StampanteFinta stampante({u"Courier New"_s});
    stampante.esito = {PrintOutcome::Kind(tipo), u"/home/maestra/Documenti/pagina.pdf"_s,
                       PrintOutcome::Reason(motivo), u"Aula"_s};
    MessaggiFinti messaggi;
    stampa::StampaEsercizi(s, stampante, messaggi);
    if (messaggio.isEmpty()) {
        QVERIFY(messaggi.mostrati.isEmpty());
    } else {
        QCOMPARE(messaggi.mostrati.size(), 1);
        QVERIFY2(messaggi.mostrati.first().contains(messaggio),
                 qPrintable(messaggi.mostrati.first()));
    }
    QCOMPARE(s.Esercizi, prima); // nothing is lost
}

// The window lists every finished line, all forty labels, and opens on "ESCI".
void TestStampa::printWindowListsEveryLine() {
    FinestraDiStampa w;
    auto& [s, stampanti, messaggi, f] = w;
    f.Show();
    QVERIFY(QTest::qWaitForWindowActive(f.Window()));
    QVERIFY(f.Window()->isMaximized());
    QCOMPARE(f.Window()->windowTitle(), u"FINESTRA DI STAMPA"_s);
    for (int n = 0; n < 40; ++n) {
        QCOMPARE(f.LblOp(n).Caption(), s.Esercizi[static_cast<std::size_t>(n)]);
    }
    QVERIFY(!f.LblOp(29).Caption().isEmpty());
    QVERIFY(f.LblOp(30).Caption().isEmpty());
    QCOMPARE(QApplication::focusWidget()->objectName(), u"Command1"_s);

    s.Esercizi[0] = u"cambiata"_s;
    f.Show(); // already open: brought to the front, not listed again
    QVERIFY(f.LblOp(0).Caption() != u"cambiata"_s);
    QTest::keyClick(f.Ctl(u"Command1").Widget(), Qt::Key_Return); // "ESCI"
    QVERIFY(!f.IsLoaded());
    QCOMPARE(s.Esercizi[0], u"cambiata"_s);
}

void TestStampa::printButtonPrintsTwice() {
    FinestraDiStampa w;
    auto& [s, stampanti, messaggi, f] = w;
    f.Show();
    QVERIFY(QTest::qWaitForWindowExposed(f.Window()));
    for (int volta = 0; volta < 2; ++volta) {
        QTest::mouseClick(f.Ctl(u"cmdStampaS").Widget(), Qt::LeftButton);
        QCOMPARE(stampanti.documenti.size(), std::size_t(volta + 1));
    }
    const auto& primo = stampanti.documenti[0];
    const auto& secondo = stampanti.documenti[1];
    QCOMPARE(primo.size(), std::size_t(32));
    QCOMPARE(secondo.size(), primo.size());
    for (std::size_t i = 0; i < primo.size(); ++i) {
        QCOMPARE(secondo[i].testo, primo[i].testo);
        QCOMPARE(QPointF(secondo[i].x, secondo[i].y), QPointF(primo[i].x, primo[i].y));
        QCOMPARE(secondo[i].grassetto, primo[i].grassetto);
    }
    QVERIFY(f.IsLoaded()); // the window stays open
    QVERIFY(messaggi.mostrati.isEmpty());
}

// Enter held on "STAMPA LE OPERAZIONI": its auto-repeats print nothing more. Released and
// pressed again, it prints again.
void TestStampa::heldEnterPrintsOnePage() {
    FinestraDiStampa w;
    auto& [s, stampanti, messaggi, f] = w;
    f.Show();
    QVERIFY(QTest::qWaitForWindowActive(f.Window()));
    QWidget* stampa = f.Ctl(u"cmdStampaS").Widget();
    stampa->setFocus();
    QVERIFY(stampa->hasFocus());
    const QString invio = u"\r"_s;
    QTest::simulateEvent(stampa, true, Qt::Key_Return, Qt::NoModifier, invio, false);
    for (int i = 0; i < 12; ++i) { // the auto-repeat of a held key: release and press again
        QTest::simulateEvent(stampa, false, Qt::Key_Return, Qt::NoModifier, invio, true);
        QTest::simulateEvent(stampa, true, Qt::Key_Return, Qt::NoModifier, invio, true);
    }
    QTest::simulateEvent(stampa, false, Qt::Key_Return, Qt::NoModifier, invio, false);
    QCOMPARE(stampanti.documenti.size(), std::size_t(1));
    QTest::keyClick(stampa, Qt::Key_Return);
    QCOMPARE(stampanti.documenti.size(), std::size_t(2));
}

// Qt's own page: every text where the table of places puts it.
void TestStampa::realPage() {
    QTemporaryDir dir;
    const QString pdf = dir.filePath(u"pagina.pdf"_s);
    StatoCondiviso s;
    TrentaEsercizi(s);
    platform::QtPrinter stampante(stampa::kNomeLavoro, pdf);
    QVERIFY(stampante.FontCount() > 0);
    MessaggiFinti messaggi;
    stampa::StampaEsercizi(s, stampante, messaggi);
    QVERIFY2(messaggi.mostrati.isEmpty(), qPrintable(messaggi.mostrati.join(u'\n')));

    const QList<Parola> parole = Parole(pdf);
    QVERIFY2(!parole.isEmpty(), "pdftotext found no text");
    auto primaParola = [&](const QString& t) -> const Parola* {
        for (const Parola& p : parole) {
            if (p.testo == t) {
                return &p;
            }
        }
        return nullptr;
    };
    const Parola* scuola = primaParola(u"SCUOLA"_s);
    QVERIFY(scuola != nullptr);
    // The minuends: each line starts with one. Lines 0..9 and 10 start "10" and "20"...
    QList<const Parola*> inizi;
    for (const Parola& p : parole) {
        if (p.testo == u"10"_s || p.testo == u"20"_s || p.testo == u"30"_s) {
            if (std::abs(p.x - scuola->x) < 1 || std::abs(p.x - (scuola->x + 250)) < 1) {
                inizi.push_back(&p);
            }
        }
    }
    QCOMPARE(inizi.size(), 30);
    // Left column at the heading's left, right column 5000 twips (250 pt) further; rows 400
    // twips (20 pt) apart; line 0 one row higher; the lower block 800 twips below.
    std::vector<QPointF> posti;
    for (const Parola* p : inizi) {
        posti.push_back({p->x - scuola->x, p->y});
    }
    std::sort(posti.begin(), posti.end(), [](const QPointF& a, const QPointF& b) {
        return a.x() != b.x() ? a.x() < b.x() : a.y() < b.y();
    });
    const double riga0 = posti.front().y();
    for (int i = 0; i < 30; ++i) {
        const auto posto = stampa::PosizioneRiga(i);
        const auto it = std::find_if(posti.begin(), posti.end(), [&](const QPointF& q) {
            return std::abs(q.x() - (posto.x - 1000) / 20) < 1 &&
                   std::abs(q.y() - riga0 - (posto.y - 3600) / 20) < 1;
        });
        QVERIFY2(it != posti.end(), qPrintable(QString::number(i)));
    }
    // The heading's top-left corner is 1000 twips (50 pt) inside the printable area.
    QPrinter riferimento(QPrinter::HighResolution);
    riferimento.setOutputFormat(QPrinter::PdfFormat);
    const QPointF margine = riferimento.pageLayout().paintRectPoints().topLeft();
    QVERIFY2(std::abs(scuola->x - (margine.x() + 50)) < 1.5,
             qPrintable(QString::number(scuola->x)));
    QVERIFY2(std::abs(scuola->y - (margine.y() + 50)) < 3, qPrintable(QString::number(scuola->y)));
}

// No printer at all: the same page goes into a PDF in the documents folder, and the user is
// told where.
void TestStampa::noPrinterWritesAPdf() {
    QVERIFY(QPrinterInfo::availablePrinterNames().isEmpty()); // CUPS_SERVER points nowhere
    QTemporaryDir casa;
    qputenv("HOME", QFile::encodeName(casa.path()));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(casa.filePath(u".config"_s)));
    StatoCondiviso s;
    TrentaEsercizi(s);
    platform::QtPrinterProvider stampanti(stampa::kNomeLavoro);
    MessaggiFinti messaggi;
    FrmStampaEsercizio f(s, stampanti, messaggi);
    f.Show();
    f.cmdStampaS_Click();
    QCOMPARE(messaggi.mostrati.size(), 1);
    const QStringList pdf = QDir(casa.filePath(u"Documents"_s)).entryList({u"*.pdf"_s});
    QCOMPARE(pdf.size(), 1);
    const QString file = QDir(casa.filePath(u"Documents"_s)).filePath(pdf.first());
    QVERIFY2(messaggi.mostrati.first().contains(file), qPrintable(messaggi.mostrati.first()));
    QVERIFY(messaggi.mostrati.first().contains(u"nessuna stampante"_s));
    QVERIFY(Parole(file).size() > 30); // a readable page
    QVERIFY(f.IsLoaded());
}

void TestStampa::noPrinterAndNoDocumentsFolder_data() {
    QTest::addColumn<bool>("casaScrivibile");
    QTest::newRow("Documents cannot be made: the page goes into the home folder") << true;
    QTest::newRow("no folder can be written: the user is told") << false;
}

void TestStampa::noPrinterAndNoDocumentsFolder() {
    QFETCH(bool, casaScrivibile);
    QTemporaryDir dir;
    const QString casa = casaScrivibile ? dir.path() : dir.filePath(u"casa"_s);
    QFile ostacolo(casaScrivibile ? dir.filePath(u"Documents"_s) : casa);
    QVERIFY(ostacolo.open(QIODevice::WriteOnly)); // a file where a folder should be
    ostacolo.close();
    QFile tmp(dir.filePath(u"tmp"_s));
    QVERIFY(tmp.open(QIODevice::WriteOnly));
    tmp.close();
    const QByteArray tmpPrima = qgetenv("TMPDIR");
    qputenv("HOME", QFile::encodeName(casa));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(dir.filePath(u"config"_s)));
    qputenv("TMPDIR", QFile::encodeName(tmp.fileName()));
    StatoCondiviso s;
    TrentaEsercizi(s);
    const auto prima = s.Esercizi;
    platform::QtPrinter stampante(stampa::kNomeLavoro);
    MessaggiFinti messaggi;
    stampa::StampaEsercizi(s, stampante, messaggi);
    if (tmpPrima.isNull()) {
        qunsetenv("TMPDIR");
    } else {
        qputenv("TMPDIR", tmpPrima);
    }
    QCOMPARE(messaggi.mostrati.size(), 1);
    if (casaScrivibile) {
        const QStringList pdf = QDir(casa).entryList({u"*.pdf"_s});
        QCOMPARE(pdf.size(), 1);
        QVERIFY(messaggi.mostrati.first().contains(QDir(casa).filePath(pdf.first())));
    } else {
        QVERIFY2(messaggi.mostrati.first().contains(u"non \u00e8 stata stampata"_s),
                 qPrintable(messaggi.mostrati.first()));
    }
    QCOMPARE(s.Esercizi, prima);
}

int main(int argc, char* argv[]) {
    // This test's own printers: none. It never reaches the machine's real ones.
    qputenv("CUPS_SERVER", "/nonexistent/tabella-test/cups.sock");
    QApplication app(argc, argv);
    TestStampa test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_stampa.moc"
