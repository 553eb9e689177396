// Measurements of the program side by side with a bare Qt window built the same way. Each
// run does one measurement and prints "name value" lines; scripts/bench.sh alternates the
// runs and makes the table.
//
//   avvio programma|base   process start to the first completed paint, and the resident set
//   ridimensiona           the exercise screen's resize step, 1024x768 <-> 3840x2160, and plain
//                          moves of the same widgets, taking turns in one process
//   tasto programma|base   a keyboard digit to the repainted answer cell
//   inattivo               CPU time in 10 s of idling with the exercise screen open
//   sessione               thirty exercises, for an instruction count under callgrind

#include "shared/icona.h"
#include "start/programma.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QMainWindow>
#include <QTest>
#include <QTimer>
#include <cstdio>
#include <ctime>
#include <sys/resource.h>

namespace {

double Adesso() { // CLOCK_MONOTONIC in milliseconds, comparable across processes
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return double(t.tv_sec) * 1e3 + double(t.tv_nsec) / 1e6;
}

long RssKb() {
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly)) {
        return -1;
    }
    for (const QByteArray& riga : f.readAll().split('\n')) {
        if (riga.startsWith("VmRSS:")) {
            return riga.mid(6).trimmed().split(' ').first().toLong();
        }
    }
    return -1;
}

double CpuMs() {
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return (double(u.ru_utime.tv_sec) + double(u.ru_stime.tv_sec)) * 1e3 +
           (double(u.ru_utime.tv_usec) + double(u.ru_stime.tv_usec)) / 1e3;
}

// Calls `dopo` once the widget has been painted and flushed to the screen: the call is queued
// behind the paint, which the window system's flush follows in the same turn.
class Sonda final : public QObject {
public:
    Sonda(QWidget* w, std::function<void()> dopo) : dopo_(std::move(dopo)) {
        w->installEventFilter(this);
    }
    bool eventFilter(QObject* o, QEvent* e) override {
        if (e->type() == QEvent::Paint && dopo_) {
            auto f = std::move(dopo_);
            dopo_ = nullptr;
            QMetaObject::invokeMethod(
                this, [f] { f(); }, Qt::QueuedConnection);
        }
        return QObject::eventFilter(o, e);
    }

private:
    std::function<void()> dopo_;
};

int Avvio(bool programma) {
    std::unique_ptr<Programma> p;
    std::unique_ptr<QMainWindow> base;
    QWidget* dipinto = nullptr;
    if (programma) {
        platform::Form::SetProgramIcon(IconaProgramma());
        p = std::make_unique<Programma>();
        p->Avvia();
        dipinto = p->frmInizio.Client();
    } else {
        base = std::make_unique<QMainWindow>();
        auto* label = new QLabel(QStringLiteral("Tabella"));
        base->setCentralWidget(label);
        base->showMaximized();
        dipinto = label;
    }
    Sonda sonda(dipinto, [] {
        std::printf("dipinto_ms %.3f\nrss_kb %ld\n", Adesso(), RssKb());
        QCoreApplication::exit(0);
    });
    return QApplication::exec();
}

// The exercise screen's whole resize step (the proportions, the lines, the panels, as a resize
// of its client area runs them) against plain setGeometry calls that put the same widgets in
// the same places, on the same shown window, side by side in one process: the two take turns
// every other step, so that both meet the same caches and the same clock. The client area is
// resized first, untimed, with the window's own resize handling unhooked; then only the step
// is timed.
int Ridimensiona() {
    constexpr int kVolte = 4000;
    const QSize piccola(1024, 768), grande(3840, 2160);
    Programma p;
    FrmOperativo& f = p.frmOperativo;
    f.Load();
    f.Window()->showNormal();
    (void)QTest::qWaitForWindowExposed(f.Window());
    std::vector<QWidget*> widget;
    for (int i = 0; i < f.Count(); ++i) {
        if (QWidget* w = f.At(i).Widget()) {
            widget.push_back(w);
        }
    }
    std::vector<QRect> a, b;
    for (QSize s : {piccola, grande}) {
        f.Client()->resize(s);
        f.Relayout();
        for (QWidget* w : widget) {
            (s == piccola ? a : b).push_back(w->geometry());
        }
    }
    f.Client()->removeEventFilter(f.Window());
    QElapsedTimer t;
    qint64 ns[2] = {0, 0};
    for (int i = 0; i < kVolte; ++i) {
        const QSize s = i % 2 == 0 ? grande : piccola;
        const bool programma = (i / 2) % 2 == 0; // two steps each, one of either size
        f.Client()->resize(s);
        t.start();
        if (programma) {
            f.Relayout();
        } else {
            const auto& rett = s == piccola ? a : b;
            for (std::size_t k = 0; k < widget.size(); ++k) {
                widget[k]->setGeometry(rett[k]);
            }
        }
        ns[programma ? 0 : 1] += t.nsecsElapsed();
        QCoreApplication::processEvents(); // the repaint is not part of the step
    }
    std::printf("ridimensiona_ms %.4f\nridimensiona_base_ms %.4f\n",
                double(ns[0]) / 1e6 / (kVolte / 2), double(ns[1]) / 1e6 / (kVolte / 2));
    return 0;
}

int Tasto(bool programma) {
    constexpr int kVolte = 200;
    std::unique_ptr<Programma> p;
    QMainWindow base;
    QLabel* etichetta = nullptr;
    QWidget* bersaglio = nullptr;
    if (programma) {
        p = std::make_unique<Programma>();
        p->frmOperativo.Show();
        (void)QTest::qWaitForWindowActive(p->frmOperativo.Window());
        bersaglio = p->frmOperativo.Option1(0).Widget();
    } else {
        etichetta = new QLabel(QStringLiteral("?"));
        base.setCentralWidget(etichetta);
        base.showMaximized();
        (void)QTest::qWaitForWindowActive(&base);
    }
    double totale = 0;
    for (int i = 0; i < kVolte; ++i) {
        QWidget* cella = programma ? p->frmOperativo.lblRisultato(0).Widget() : etichetta;
        bool dipinta = false;
        double fine = 0;
        Sonda sonda(cella, [&] {
            fine = Adesso();
            dipinta = true;
        });
        const double inizio = Adesso();
        if (programma) {
            p->frmOperativo.Option1(0).SetFocus();
            QTest::simulateEvent(bersaglio, true, Qt::Key_1 + (i % 9), {},
                                 QString::number(1 + i % 9), false);
            QTest::simulateEvent(QApplication::focusWidget(), false, Qt::Key_1 + (i % 9), {},
                                 QString::number(1 + i % 9), false);
        } else {
            etichetta->setText(QString::number(i));
            etichetta->repaint();
        }
        while (!dipinta) {
            QCoreApplication::processEvents(QEventLoop::AllEvents);
        }
        totale += fine - inizio;
        if (programma) {
            p->frmOperativo.PremiTasto(tastierino::Cancella); // the next digit starts again
            p->frmOperativo.PremiTasto(tastierino::Cancella);
            p->frmOperativo.PremiTasto(tastierino::Cancella);
        }
        for (int k = 0; k < 5; ++k) { // nothing left over for the next stroke
            QCoreApplication::processEvents();
        }
    }
    std::printf("tasto_ms %.4f\n", totale / kVolte);
    return 0;
}

int Inattivo() {
    Programma p;
    p.Avvia();
    (void)QTest::qWaitForWindowExposed(p.frmInizio.Window());
    p.frmInizio.EseguiComando(0);
    for (int i = 0; i < 3000 && p.frmInizio.timerTendine().Enabled(); ++i) {
        QTest::qWait(10); // until the curtain has stopped
    }
    QTest::qWait(200);
    const double prima = CpuMs();
    QTimer::singleShot(10000, qApp, [] { QCoreApplication::exit(0); });
    QApplication::exec();
    std::printf("inattivo_ms %.3f\n", CpuMs() - prima);
    return 0;
}

int Sessione() {
    Programma p;
    p.Avvia();
    p.frmInizio.ScegliTabella(4);
    p.frmInizio.EseguiComando(0);
    FrmOperativo& f = p.frmOperativo;
    for (int n = 0; n < 30; ++n) {
        if (f.Option1(tastierino::NuovaTabella).Enabled()) {
            f.PremiTasto(tastierino::NuovaTabella);
        }
        for (const QChar c : p.stato.Risultati[std::size_t(f.RigaCorrente)].trimmed()) {
            f.PremiTasto(c.digitValue());
        }
        f.PremiTasto(tastierino::Invio);
        QCoreApplication::processEvents();
    }
    std::printf("sessione_esercizi %d\n", int(p.stato.NumeroEsercizio));
    return p.stato.NumeroEsercizio == 30 ? 0 : 1;
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    const QStringList a = QCoreApplication::arguments();
    const QString cosa = a.value(1);
    const bool programma = a.value(2) != u"base";
    if (cosa == u"avvio") {
        return Avvio(programma);
    }
    if (cosa == u"ridimensiona") {
        return Ridimensiona();
    }
    if (cosa == u"tasto") {
        return Tasto(programma);
    }
    if (cosa == u"inattivo") {
        return Inattivo();
    }
    if (cosa == u"sessione") {
        return Sessione();
    }
    std::fprintf(
        stderr,
        "uso: tabella_bench avvio|tasto [programma|base] | ridimensiona | inattivo | sessione\n");
    return 2;
}
