#include "input/mappacomandi.h"

namespace ingresso {

namespace vk = platform::vk;

namespace {

Tasto Uno(int codice, Azione azione, int valore = 0) {
    return {codice, codice, azione, valore};
}
Tasto Gruppo(int da, int a, Azione azione, int base) {
    return {da, a, azione, 0, base};
}
} // namespace

Schieramento SchieramentoTastierino() {
    return {.nome = QStringLiteral("Option1"),
            .conta = tastierino::Pulsanti,
            .guardie = true,
            .valoreAlPerdereFuoco = true,
            .valoreAlTastoSu = false,
            .guardieAlMouseSu = false,
            .tasti = {
                Gruppo(vk::Digit(0), vk::Digit(9), Azione::Speciale, vk::Digit0), // typed
                Gruppo(vk::Numpad(0), vk::Numpad(9), Azione::Speciale, vk::Numpad0),
                Uno(vk::Letter('C'), Azione::Speciale, kTastoC),
                Uno(vk::Letter('I'), Azione::FuocoSeAcceso, tastierino::Invio),
                Uno(vk::Letter('E'), Azione::FuocoSeAcceso, tastierino::Esco),
                Uno(vk::Return, Azione::Conferma),
                Uno(vk::Back, Azione::Nessuna),
                Gruppo(vk::Left, vk::Down, Azione::Nessuna, 0), // the arrow keys
                Uno(vk::Letter('V'), Azione::Nessuna),
                Uno(vk::F2, Azione::Nessuna),
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
                Uno(vk::Digit(1), Azione::Fuoco, 0),
                Uno(vk::Numpad(1), Azione::Fuoco, 0),
                Uno(lettera0, Azione::Fuoco, 0),
                Uno(vk::Digit(2), Azione::Fuoco, 1),
                Uno(vk::Numpad(2), Azione::Fuoco, 1),
                Uno(lettera1, Azione::Fuoco, 1),
                Uno(vk::Return, Azione::Conferma),
            }};
}
} // namespace

Schieramento SchieramentoAiuto() {
    return DuePulsanti(QStringLiteral("Option3"), vk::Letter('S'), vk::Letter('N'));
}

Schieramento SchieramentoAvviso() {
    return DuePulsanti(QStringLiteral("optAvviso"), vk::Letter('S'), vk::Letter('R'));
}

Schieramento SchieramentoTabelle() {
    return {
        .nome = QStringLiteral("Option1"),
        .conta = 11,
        .guardie = true,
        .valoreAlPerdereFuoco = true,
        .valoreAlTastoSu = true,
        .guardieAlMouseSu = true,
        .tasti = {
            Gruppo(vk::Digit(0), vk::Digit(9), Azione::Fuoco, vk::Digit0), // the digit is the table
            Gruppo(vk::Numpad(0), vk::Numpad(9), Azione::Fuoco, vk::Numpad0),
            Uno(vk::Multiply, Azione::Fuoco, 10), // the keypad's *: "20"
            Uno(vk::Return, Azione::Conferma),
            Uno(vk::Letter('N'), Azione::Nessuna),
            Uno(vk::Letter('S'), Azione::Nessuna),
            // 58 and 59 come from no key; by the digits' rule 58 is "20" and 59 no button.
            Gruppo(vk::Digit(10), vk::Digit(11), Azione::Fuoco, vk::Digit0),
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
                Uno(vk::Digit(0), Azione::Fuoco, 0), // "Vai"
                Uno(vk::Digit(1), Azione::Fuoco, 1), // "Ripristina"
                Uno(vk::Return, Azione::Conferma),
                Uno(vk::Back, Azione::Nessuna),
                Gruppo(vk::Digit(2), vk::Digit(9), Azione::Nessuna, 0),
                Uno(vk::Letter('A'), Azione::Nessuna),
                Uno(vk::Letter('C'), Azione::Nessuna),
                Uno(vk::Letter('E'), Azione::Nessuna),
                Uno(vk::Letter('N'), Azione::Nessuna),
                Uno(vk::Letter('V'), Azione::Nessuna),
                Gruppo(vk::Numpad(0), vk::Numpad(9), Azione::Nessuna, 0),
                Uno(vk::F2, Azione::Nessuna),
            }};
}

} // namespace ingresso
