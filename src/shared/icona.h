#pragma once

#include <QIcon>

// The program's icon, shared by the start screen, the exercise screen and the print window:
// a red minus sign and "10" on the program's peach background, the picture of the desktop
// menu's icon (packaging/icons/tabella.svg).
QIcon IconaProgramma();
