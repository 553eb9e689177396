#pragma once

#include <QString>

namespace platform {

// Opens the named file for reading and closes it again at once. It never blocks (a FIFO with
// no writer, a device) and never fails loudly: the answer is only whether the open succeeded.
bool ProbeFile(const QString& name);

} // namespace platform
