#include "shared/icona.h"
#include "start/programma.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("tabella"));
    platform::Form::SetProgramIcon(IconaProgramma());

    Programma programma;
    programma.Avvia();
    return QApplication::exec();
}
