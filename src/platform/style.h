#pragma once

namespace platform {

// Puts the program's style over the desktop's: the same look, but the standard pictures that
// widgets take when they are built (the menu bar's overflow arrow) are read from their files
// only when first drawn. Reading them at start-up loads every image plugin.
void InstallProgramStyle();

} // namespace platform
