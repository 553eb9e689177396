#include "exercise/frmoperativo.h"
#include "platform/random.h"
#include "shared/icona.h"
#include "shared/statocondiviso.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("tabella"));
    platform::Form::SetProgramIcon(IconaProgramma());

    StatoCondiviso stato;
    platform::ClockRandom caso;
    FrmOperativo frmOperativo(stato, caso);
    frmOperativo.Show();
    return QApplication::exec();
}
