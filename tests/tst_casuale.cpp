// Random streams of what a child can do, over the real windows: any key, held keys, keys
// released elsewhere, any mouse button anywhere, double clicks, resizes down to 0 x 0, close
// boxes, the menus and their modal windows. After every action the program must be alive and
// its state sound. A failure prints the seed and the shortest action list found.
//
// TABELLA_SEME=n fixes the seed; TABELLA_AZIONI=n and TABELLA_TABELLE=n lengthen the runs
// (scripts/soak.sh).

#include "esercizio.h"
#include "exercise/regoletabella.h"
#include "shared/icona.h"
#include "stampantefinta.h"
#include "start/programma.h"

#include <QAction>
#include <QMainWindow>
#include <QMenuBar>
#include <QMouseEvent>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <set>

using namespace Qt::StringLiterals;
using platform::Control;
using platform::ControlKind;

namespace {

// A random source replayable from its seed.
class CasoSeminato final : public platform::RandomSource {
public:
    explicit CasoSeminato(quint64 seme) : g_(seme) {}
    void Reseed() override {}
    double Next() override { return g_.generateDouble(); }

private:
    QRandomGenerator64 g_;
};

const Qt::Key kTasti[] = {
    Qt::Key_0,      Qt::Key_1,       Qt::Key_2,        Qt::Key_3,         Qt::Key_4,
    Qt::Key_5,      Qt::Key_6,       Qt::Key_7,        Qt::Key_8,         Qt::Key_9,
    Qt::Key_A,      Qt::Key_C,       Qt::Key_E,        Qt::Key_I,         Qt::Key_N,
    Qt::Key_R,      Qt::Key_S,       Qt::Key_V,        Qt::Key_X,         Qt::Key_Z,
    Qt::Key_Return, Qt::Key_Enter,   Qt::Key_Space,    Qt::Key_Space,     Qt::Key_Return,
    Qt::Key_Tab,    Qt::Key_Backtab, Qt::Key_Escape,   Qt::Key_Shift,     Qt::Key_Control,
    Qt::Key_Alt,    Qt::Key_F1,      Qt::Key_F2,       Qt::Key_F10,       Qt::Key_Left,
    Qt::Key_Right,  Qt::Key_Up,      Qt::Key_Down,     Qt::Key_Backspace, Qt::Key_Delete,
    Qt::Key_Home,   Qt::Key_NumLock, Qt::Key_Asterisk, Qt::Key_Menu,
};

QString Testo(Qt::Key t) {
    if (t == Qt::Key_Space) {
        return u" "_s;
    }
    if (t == Qt::Key_Return || t == Qt::Key_Enter) {
        return u"\r"_s;
    }
    if (t == Qt::Key_Escape) {
        return u"\x1b"_s;
    }
    if (t == Qt::Key_Backspace) {
        return u"\b"_s;
    }
    if (t == Qt::Key_Asterisk) {
        return u"*"_s;
    }
    if ((t >= Qt::Key_0 && t <= Qt::Key_9) || (t >= Qt::Key_A && t <= Qt::Key_Z)) {
        return QString(QChar(t)).toLower();
    }
    return {};
}

// One thing a child (or the desktop) does. Its target is chosen when it runs, from `scelta`.
struct Azione {
    enum Tipo {
        Tasto,
        TastoTenuto,
        TastoSuAltrove,
        Mouse,
        DoppioClic,
        Vuoto,
        Ridimensiona,
        Massimizza,
        Chiudi,
        Attiva,
        Menu,
        Risposta
    };
    Tipo tipo;
    quint32 scelta;
    quint32 altro;
    QString Descrizione() const {
        static const char* const nomi[] = {"tasto",        "tasto tenuto", "tasto su altrove",
                                           "mouse",        "doppio clic",  "clic nel vuoto",
                                           "ridimensiona", "massimizza",   "chiudi",
                                           "attiva",       "menu",         "risposta giusta"};
        return u"%1(%2, %3)"_s.arg(QLatin1String(nomi[tipo])).arg(scelta).arg(altro);
    }
};

std::vector<Azione> Genera(quint64 seme, int quante) {
    QRandomGenerator64 g(seme);
    std::vector<Azione> azioni;
    for (int i = 0; i < quante; ++i) {
        // How often a child does each thing, in thousandths.
        struct Peso {
            Azione::Tipo tipo;
            quint32 peso;
        };
        static const Peso pesi[] = {
            {Azione::Tasto, 350},         {Azione::Risposta, 110},    {Azione::TastoTenuto, 50},
            {Azione::TastoSuAltrove, 20}, {Azione::Mouse, 280},       {Azione::DoppioClic, 30},
            {Azione::Vuoto, 20},          {Azione::Ridimensiona, 40}, {Azione::Massimizza, 30},
            {Azione::Chiudi, 3},          {Azione::Attiva, 50},       {Azione::Menu, 17},
        };
        quint32 r = g.bounded(1000u);
        Azione::Tipo tipo = Azione::Tasto;
        for (const Peso& p : pesi) {
            if (r < p.peso) {
                tipo = p.tipo;
                break;
            }
            r -= p.peso;
        }
        azioni.push_back({tipo, quint32(g.generate()), quint32(g.generate())});
    }
    return azioni;
}

// A run: a program and the actions done to it. When the start screen closes, the program has
// ended; the child starts it again.
class Corsa {
public:
    explicit Corsa(quint64 seme) : seme_(seme) { Riavvia(); }
    ~Corsa() { Chiudi(); }

    Programma& p() { return *p_; }

    // What the run reached, to tell a stream that did things from one that did nothing.
    struct Conti {
        int tasti = 0, clic = 0, avvii = 0, esercizi = 0, massimoNumero = 0;
    } conti;

    void Esegui(const Azione& a) {
        switch (a.tipo) {
        case Azione::Tasto:
            Tasto(kTasti[a.scelta % std::size(kTasti)], a.altro % 4 == 0, 0);
            break;
        case Azione::TastoTenuto:
            Tasto(kTasti[a.scelta % std::size(kTasti)], false, 1 + int(a.altro % 15));
            break;
        case Azione::TastoSuAltrove: {
            const Qt::Key t = kTasti[a.scelta % std::size(kTasti)];
            Evento(true, t, Qt::NoModifier, false);
            Attiva(a.altro);
            Evento(false, t, Qt::NoModifier, false);
            break;
        }
        case Azione::Mouse:
        case Azione::DoppioClic:
            Mouse(a);
            break;
        case Azione::Vuoto:
            if (platform::Form* f = Finestra(a.scelta)) {
                QWidget* w = f->Client();
                const QPoint at(int(a.altro % qMax(1, w->width())),
                                int((a.altro >> 16) % qMax(1, w->height())));
                QTest::mouseClick(w, Qt::LeftButton, {}, at);
            }
            break;
        case Azione::Ridimensiona:
            if (platform::Form* f = Finestra(a.scelta)) {
                f->Window()->showNormal();
                const double w = (a.altro % 5 == 0) ? 0 : double(a.altro % 20000);
                const double h = (a.altro % 7 == 0) ? 0 : double((a.altro >> 12) % 15000);
                f->ResizeClient(w, h);
            }
            break;
        case Azione::Massimizza:
            if (platform::Form* f = Finestra(a.scelta)) {
                f->Window()->showMaximized();
            }
            break;
        case Azione::Chiudi:
            if (platform::Form* f = Finestra(a.scelta)) {
                f->Window()->close();
            }
            break;
        case Azione::Attiva:
            Attiva(a.scelta);
            break;
        case Azione::Risposta:
            Rispondi();
            break;
        case Azione::Menu:
            if (platform::Form* f = Finestra(a.scelta)) {
                const auto azioni = f->Window()->menuBar()->actions();
                if (!azioni.isEmpty()) {
                    azioni.at(int(a.altro % azioni.size()))->trigger();
                }
            }
            break;
        }
        Assesta();
    }

    // What must hold after any action; empty when all of it does.
    QString Verifica() {
        const StatoCondiviso& s = p_->stato;
        if (s.NumeroEsercizio < 0 || s.NumeroEsercizio > 30) {
            return u"NumeroEsercizio %1"_s.arg(s.NumeroEsercizio);
        }
        FrmOperativo& op = p_->frmOperativo;
        if (op.RigaCorrente < 0 || op.RigaCorrente > 9) {
            return u"RigaCorrente %1"_s.arg(op.RigaCorrente);
        }
        static const QRegularExpression cifre(u"^[0-9]{0,3}$"_s);
        if (!cifre.match(s.Risposta).hasMatch()) {
            return u"Risposta \"%1\""_s.arg(s.Risposta);
        }
        if (s.Tabella < 0 || s.Tabella > regole::kMinuendoMassimo) {
            return u"Tabella %1"_s.arg(s.Tabella);
        }
        if (op.IsLoaded()) {
            if (QString e = Riquadri(op); !e.isEmpty()) {
                return e;
            }
        }
        // The tables of the sequence so far: whole tables, subtrahends 1 to 10 once each.
        int blocchi = (s.NumeroEsercizio + 9) / 10;
        if (op.IsLoaded() && op.Option1(0).Enabled() && s.NumeroEsercizio < 30) {
            blocchi = s.NumeroEsercizio / 10 + 1; // the table being answered
        }
        for (int b = 0; b < blocchi; ++b) {
            if (QString e = Tabella(s, b); !e.isEmpty()) {
                return e;
            }
        }
        return {};
    }

private:
    void Riavvia() {
        Chiudi();
        ++avvii_;
        ++conti.avvii;
        ultimoNumero_ = 0;
        p_ =
            std::make_unique<Programma>(std::make_unique<CasoSeminato>(seme_ * 31 + avvii_),
                                        std::make_unique<StampantiFinte>(QStringList{u"Courier"_s}),
                                        std::make_unique<MessaggiFinti>());
        p_->Avvia();
        Assesta();
    }

    void Chiudi() {
        if (p_) {
            p_->frmInizio.Unload();
            p_->frmAutore.Unload();
            p_->frmIstruzioni.Unload();
            p_->frmOperativo.Unload();
            p_->frmStampaEsercizio.Unload();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            p_.reset();
        }
    }

    std::vector<platform::Form*> Aperte() {
        std::vector<platform::Form*> f;
        for (platform::Form* w : std::initializer_list<platform::Form*>{
                 &p_->frmInizio, &p_->frmOperativo, &p_->frmStampaEsercizio, &p_->frmAutore,
                 &p_->frmIstruzioni}) {
            if (w->IsShown()) {
                f.push_back(w);
            }
        }
        return f;
    }

    platform::Form* Finestra(quint32 scelta) {
        const auto f = Aperte();
        return f.empty() ? nullptr : f[scelta % f.size()];
    }

    void Attiva(quint32 scelta) {
        if (platform::Form* f = Finestra(scelta)) {
            f->Window()->activateWindow();
            QCoreApplication::processEvents();
        }
    }

    void Evento(bool giu, Qt::Key t, Qt::KeyboardModifiers m, bool ripetuto) {
        if (QApplication::focusWidget() == nullptr) {
            Attiva(0);
        }
        if (QWidget* w = QApplication::focusWidget()) {
            QTest::simulateEvent(w, giu, t, m, Testo(t), ripetuto);
            ++conti.tasti;
        }
    }

    void Tasto(Qt::Key t, bool tastierino, int ripetizioni) {
        const Qt::KeyboardModifiers m = tastierino ? Qt::KeypadModifier : Qt::NoModifier;
        Evento(true, t, m, false);
        for (int i = 0; i < ripetizioni; ++i) {
            Evento(false, t, m, true);
            Evento(true, t, m, true);
        }
        Evento(false, t, m, false);
    }

    // The right answer typed on the keyboard and confirmed, when the exercise screen asks one.
    void Rispondi() {
        FrmOperativo& f = p_->frmOperativo;
        if (!f.IsShown() || !f.Option1(0).Enabled() || !f.fraTastierino().Enabled()) {
            return;
        }
        f.Window()->activateWindow();
        f.Option1(0).SetFocus();
        QCoreApplication::processEvents();
        const QString giusta = RispostaAttesa(p_->stato, f);
        for (const QChar c : giusta) {
            Tasto(Qt::Key(Qt::Key_0 + c.digitValue()), false, 0);
        }
        Tasto(Qt::Key_Return, false, 0);
    }

    void Mouse(const Azione& a) {
        platform::Form* f = Finestra(a.scelta);
        if (f == nullptr || f->Count() == 0) {
            return;
        }
        Control& c = f->At(int(a.altro % f->Count()));
        QWidget* w = c.Widget();
        if (w == nullptr || !w->isVisible()) {
            return;
        }
        const Qt::MouseButton tasti[] = {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton};
        const Qt::MouseButton b = tasti[(a.altro >> 8) % 3];
        QPointer<QWidget> bersaglio = w;
        QTest::mousePress(w, b);
        ++conti.clic;
        if (a.tipo == Azione::DoppioClic && bersaglio) {
            QTest::mouseRelease(bersaglio, b);
            if (bersaglio) {
                const QPointF at(bersaglio->rect().center());
                QMouseEvent dbl(QEvent::MouseButtonDblClick, at, bersaglio->mapToGlobal(at), b, b,
                                Qt::NoModifier);
                QApplication::sendEvent(bersaglio, &dbl);
            }
        }
        if (bersaglio) {
            QTest::mouseRelease(bersaglio, b);
        }
    }

    void Assesta() {
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        const int numero = p_->stato.NumeroEsercizio;
        conti.esercizi += numero > ultimoNumero_ ? numero - ultimoNumero_ : 0;
        ultimoNumero_ = numero;
        conti.massimoNumero = std::max(conti.massimoNumero, numero);
        if (!p_->frmInizio.IsLoaded()) {
            Riavvia(); // the program ended: the child starts it again
        }
    }

    static QString Riquadri(FrmOperativo& op) {
        QStringList accesi;
        const QString davanti = RiquadroDavanti(op);
        for (QObject* c : op.Client()->children()) {
            const QString nome = c->objectName();
            if (nome.startsWith(u"fra") && op.Ctl(nome).Enabled()) {
                accesi << nome;
            }
        }
        if (accesi.size() != 1 || accesi.first() != davanti) {
            return u"riquadri accesi %1, davanti %2"_s.arg(accesi.join(u','), davanti);
        }
        return {};
    }

    static QString Tabella(const StatoCondiviso& s, int b) {
        static const QRegularExpression prefisso(u"^(\\d+) - ( \\d|10) = "_s);
        std::set<int> sottraendi;
        int minuendo = -1;
        for (int k = 0; k < 10; ++k) {
            const QString& riga = s.Esercizi[static_cast<std::size_t>(10 * b + k)];
            const auto m = prefisso.match(riga);
            if (!m.hasMatch()) {
                return u"riga %1 \"%2\""_s.arg(10 * b + k).arg(riga);
            }
            const int questo = m.captured(1).toInt();
            if (minuendo >= 0 && questo != minuendo) {
                return u"riga %1: minuendo %2 invece di %3"_s.arg(10 * b + k)
                    .arg(questo)
                    .arg(minuendo);
            }
            minuendo = questo;
            sottraendi.insert(m.captured(2).trimmed().toInt());
        }
        if (sottraendi.size() != 10 || *sottraendi.begin() != 1 || *sottraendi.rbegin() != 10) {
            return u"tabella %1: sottraendi ripetuti"_s.arg(b);
        }
        if (minuendo < 10 || minuendo > regole::kMinuendoMassimo) {
            return u"tabella %1: minuendo %2"_s.arg(b).arg(minuendo);
        }
        return {};
    }

    quint64 seme_;
    int avvii_ = 0;
    int ultimoNumero_ = 0;
    std::unique_ptr<Programma> p_;
};

// Runs the actions on a fresh program; the index of the first action after which something
// does not hold (and what), or -1.
std::pair<int, QString> Prova(quint64 seme, const std::vector<Azione>& azioni,
                              Corsa::Conti* conti = nullptr) {
    Corsa corsa(seme);
    for (std::size_t i = 0; i < azioni.size(); ++i) {
        corsa.Esegui(azioni[i]);
        if (QString e = corsa.Verifica(); !e.isEmpty()) {
            return {int(i), e};
        }
    }
    if (conti != nullptr) {
        *conti = corsa.conti;
    }
    return {-1, {}};
}

// The shortest list found that still fails, by dropping pieces of it.
std::vector<Azione> Riduci(quint64 seme, std::vector<Azione> azioni) {
    int prove = 0;
    for (std::size_t pezzo = azioni.size() / 2; pezzo >= 1 && prove < 400; pezzo /= 2) {
        for (std::size_t da = 0; da + pezzo <= azioni.size() && prove < 400;) {
            std::vector<Azione> meno = azioni;
            meno.erase(meno.begin() + std::ptrdiff_t(da),
                       meno.begin() + std::ptrdiff_t(da + pezzo));
            ++prove;
            const auto [dove, errore] = Prova(seme, meno);
            if (dove >= 0) {
                meno.resize(std::size_t(dove) + 1);
                azioni = std::move(meno);
            } else {
                da += pezzo;
            }
        }
        if (pezzo == 1) {
            break;
        }
    }
    return azioni;
}

int Numero(const char* variabile, int predefinito) {
    bool ok = false;
    const int n = qEnvironmentVariableIntValue(variabile, &ok);
    return ok && n > 0 ? n : predefinito;
}

// Closes any modal window left open, as a child would, so that a run never waits on one.
void Vigila() {
    auto* vigile = new QTimer(qApp);
    QObject::connect(vigile, &QTimer::timeout, qApp, [] {
        if (QWidget* modale = QApplication::activeModalWidget()) {
            modale->close();
        }
    });
    vigile->start(20);
}

} // namespace

class TestCasuale : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() {
        platform::Form::SetProgramIcon(IconaProgramma());
        QApplication::setQuitOnLastWindowClosed(false);
        Vigila();
    }
    void randomActions();
    void thousandsOfTables();
    void loadUnloadCycles();
};

void TestCasuale::randomActions() {
    const quint64 seme = qEnvironmentVariableIsSet("TABELLA_SEME")
                             ? qEnvironmentVariable("TABELLA_SEME").toULongLong()
                             : QRandomGenerator::global()->generate();
    const int quante = Numero("TABELLA_AZIONI", 3000);
    qInfo("seme %llu, %d azioni", static_cast<unsigned long long>(seme), quante);
    const std::vector<Azione> azioni = Genera(seme, quante);
    Corsa::Conti conti;
    const auto [dove, errore] = Prova(seme, azioni, &conti);
    if (dove < 0) {
        qInfo("%d tasti e %d clic arrivati, %d avvii, %d esercizi completati, fino al numero %d",
              conti.tasti, conti.clic, conti.avvii, conti.esercizi, conti.massimoNumero);
        QVERIFY(conti.tasti > quante / 4 && conti.clic > quante / 10);
        return;
    }
    std::vector<Azione> prima(azioni.begin(), azioni.begin() + dove + 1);
    const std::vector<Azione> ridotte = Riduci(seme, prima);
    QStringList elenco;
    for (const Azione& a : ridotte) {
        elenco << a.Descrizione();
    }
    QFAIL(qPrintable(u"seme %1: dopo l'azione %2, %3\nridotte a %4 azioni: %5"_s.arg(seme)
                         .arg(dove)
                         .arg(errore)
                         .arg(ridotte.size())
                         .arg(elenco.join(u", "))));
}

// Thousands of tables in one run, well past the minuend's start-over at 1000, with every kind
// of answer: right, wrong then "SI", refused, and the intervention.
void TestCasuale::thousandsOfTables() {
    const int tabelle = Numero("TABELLA_TABELLE", 1200);
    Programma p(std::make_unique<CasoSeminato>(7), std::make_unique<StampantiFinte>(QStringList{}),
                std::make_unique<MessaggiFinti>());
    p.stato.Tabella = p.stato.TabellaScelta = 3;
    FrmOperativo& f = p.frmOperativo;
    f.Show();
    QVERIFY(QTest::qWaitForWindowExposed(f.Window()));
    int minimo = 1 << 30, massimo = 0, ripartenze = 0, precedente = 0;
    for (int t = 0; t < tabelle; ++t) {
        const int minuendo = p.stato.Tabella;
        QVERIFY(minuendo >= 13 && minuendo <= 1000);
        minimo = std::min(minimo, minuendo);
        massimo = std::max(massimo, minuendo);
        ripartenze += minuendo < precedente ? 1 : 0;
        precedente = minuendo;
        for (int riga = 0; riga < 10; ++riga) {
            const QString giusta = RispostaAttesa(p.stato, f);
            QVERIFY(giusta.toInt() >= minuendo - 10 && giusta.size() <= 3);
            const QString sbagliata = giusta == u"999" ? u"998"_s : u"999"_s;
            auto digita = [&](const QString& testo) {
                for (const QChar c : testo) {
                    f.PremiTasto(c.digitValue());
                }
                f.PremiTasto(tastierino::Invio);
            };
            switch ((t + riga) % 4) {
            case 0:
                digita(giusta);
                break;
            case 1:
                digita(sbagliata);
                f.SiSi();
                break;
            default: // wrong, or empty (an empty answer is wrong too), then "NO"
                digita((t + riga) % 4 == 2 ? sbagliata : QString());
                f.NoNo();
                if (f.fraIntervento().Enabled()) {
                    f.Intervieni();
                } else {
                    digita(giusta);
                }
                break;
            }
            QVERIFY(p.stato.Risposta.isEmpty());
        }
        if (p.stato.NumeroEsercizio == 30) {
            QVERIFY(f.fraAvviso().Enabled());
            f.RicominciaEsercizi();
        } else {
            QVERIFY(f.Option1(tastierino::NuovaTabella).Enabled());
            f.PremiTasto(tastierino::NuovaTabella);
        }
    }
    QCOMPARE(massimo, 993);
    QCOMPARE(minimo, 13);
    QVERIFY(ripartenze >= tabelle / 100 - 1);
}

// A thousand loads and unloads of every window leave no widget or control behind.
void TestCasuale::loadUnloadCycles() {
    Programma p(std::make_unique<CasoSeminato>(3), std::make_unique<StampantiFinte>(QStringList{}),
                std::make_unique<MessaggiFinti>());
    const int cicli = Numero("TABELLA_CICLI", 1000);
    platform::Form* finestre[] = {&p.frmInizio, &p.frmOperativo, &p.frmStampaEsercizio,
                                  &p.frmAutore, &p.frmIstruzioni};
    auto giro = [&] {
        for (platform::Form* f : finestre) {
            f->Load();
            f->Unload();
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    };
    giro();
    const auto widgetPrima = QApplication::allWidgets().size();
    for (int i = 0; i < cicli; ++i) {
        giro();
    }
    QCOMPARE(QApplication::allWidgets().size(), widgetPrima);
}

QTEST_MAIN(TestCasuale)
#include "tst_casuale.moc"
