#include "input/mappacomandi.h"

namespace ingresso {

namespace {
constexpr int kInvio = 13;
constexpr int kBackspace = 8;
constexpr int kF2 = 113;

Tasto Uno(int codice, Azione azione, int valore = 0) {
    return {codice, codice, azione, valore};
}
Tasto Gruppo(int da, int a, Azione azione, int base) {
    return {da, a, azione, 0, base};
}
} // namespace

Schieramento SchieramentoTastierino() {
    return {.nome = QStringLiteral("Option1"),
            .conta = 14,
            .guardie = true,
            .valoreAlPerdereFuoco = true,
            .valoreAlTastoSu = false,
            .guardieAlMouseSu = false,
            .tasti = {
                Gruppo('0', '9', Azione::Speciale, '0'), // digits: typed into the answer
                Gruppo(96, 105, Azione::Speciale, 96),   // numeric-keypad digits
                Uno('C', Azione::Speciale, kTastoC),
                Uno('I', Azione::FuocoSeAcceso, 11), // to "Invio"
                Uno('E', Azione::FuocoSeAcceso, 13), // to "Esco"
                Uno(kInvio, Azione::Conferma),
                Uno(kBackspace, Azione::Nessuna),
                Gruppo(37, 40, Azione::Nessuna, 0), // arrow keys
                Uno('V', Azione::Nessuna),
                Uno(kF2, Azione::Nessuna),
            }};
}

namespace {
Schieramento DuePulsanti(const QString& nome, int lettera0, int lettera1) {
    return {.nome = nome,
            .conta = 2,
            .guardie = false,
            .valoreAlPerdereFuoco = false,
            .valoreAlTastoSu = true,
            .guardieAlMouseSu = false,
            .tasti = {
                Uno('1', Azione::Fuoco, 0),
                Uno(97, Azione::Fuoco, 0),
                Uno(lettera0, Azione::Fuoco, 0),
                Uno('2', Azione::Fuoco, 1),
                Uno(98, Azione::Fuoco, 1),
                Uno(lettera1, Azione::Fuoco, 1),
                Uno(kInvio, Azione::Conferma),
            }};
}
} // namespace

Schieramento SchieramentoAiuto() {
    return DuePulsanti(QStringLiteral("Option3"), 'S', 'N');
}

Schieramento SchieramentoAvviso() {
    return DuePulsanti(QStringLiteral("optAvviso"), 'S', 'R');
}

Schieramento SchieramentoTabelle() {
    return {.nome = QStringLiteral("Option1"),
            .conta = 11,
            .guardie = true,
            .valoreAlPerdereFuoco = true,
            .valoreAlTastoSu = true,
            .guardieAlMouseSu = true,
            .tasti = {
                Gruppo('0', '9', Azione::Fuoco, '0'), // the digit is the table
                Gruppo(96, 105, Azione::Fuoco, 96),
                Uno(106, Azione::Fuoco, 10), // numeric-keypad multiply: "20"
                Uno(kInvio, Azione::Conferma), Uno('N', Azione::Nessuna), Uno('S', Azione::Nessuna),
                Gruppo(58, 59, Azione::Fuoco, '0'), // 59 would be a button 11: nothing
            }};
}

Schieramento SchieramentoComandi() {
    return {.nome = QStringLiteral("Option2"),
            .conta = 3,
            .guardie = true,
            .valoreAlPerdereFuoco = true,
            .valoreAlTastoSu = false,
            .guardieAlMouseSu = true,
            .tasti = {
                Uno('0', Azione::Fuoco, 0), // "Vai"
                Uno('1', Azione::Fuoco, 1), // "Ripristina"
                Uno(kInvio, Azione::Conferma),
                Uno(kBackspace, Azione::Nessuna),
                Gruppo('2', '9', Azione::Nessuna, 0),
                Uno('A', Azione::Nessuna),
                Uno('C', Azione::Nessuna),
                Uno('E', Azione::Nessuna),
                Uno('N', Azione::Nessuna),
                Uno('V', Azione::Nessuna),
                Gruppo(96, 105, Azione::Nessuna, 0),
                Uno(kF2, Azione::Nessuna),
            }};
}

} // namespace ingresso
