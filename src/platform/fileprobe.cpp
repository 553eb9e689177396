#include "platform/fileprobe.h"

#include <QFile>
#include <fcntl.h>
#include <unistd.h>

namespace platform {

bool ProbeFile(const QString& name) {
    const QByteArray path = QFile::encodeName(name);
    if (path.isEmpty()) {
        return false;
    }
    const int fd = ::open(path.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        return false;
    }
    ::close(fd);
    return true;
}

} // namespace platform
