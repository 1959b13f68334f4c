#include "platform/wave_info.h"

#include <QFile>
#include <QtEndian>

namespace platform {

qint64 waveDurationMs(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return -1;
    const QByteArray head = file.read(12);
    if (head.size() < 12 || !head.startsWith("RIFF") || head.mid(8, 4) != "WAVE") return -1;
    quint32 byteRate = 0;
    for (;;) {
        const QByteArray chunk = file.read(8);
        if (chunk.size() < 8) return -1;
        const quint32 size = qFromLittleEndian<quint32>(chunk.constData() + 4);
        if (chunk.startsWith("fmt ")) {
            // Only the first 16 bytes are needed; the size the header claims may be
            // anything up to 4 GB and is never allocated.
            if (size < 16) return -1;
            const qint64 next = file.pos() + size + (size & 1);
            const QByteArray fmt = file.read(16);
            if (fmt.size() < 16 || !file.seek(next)) return -1;
            byteRate = qFromLittleEndian<quint32>(fmt.constData() + 8);
        } else if (chunk.startsWith("data")) {
            if (byteRate == 0) return -1;
            return static_cast<qint64>(size) * 1000 / byteRate;
        } else if (!file.seek(file.pos() + size + (size & 1))) {
            return -1;
        }
    }
}

}  // namespace platform
