#pragma once

#include <QIcon>

// The program's icon, shared by the start screen, the exercise screen and the print window:
// a minus sign and "10" on the program's peach background.
QIcon IconaProgramma();
