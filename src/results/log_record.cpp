#include "results/log_record.h"

#include <QtEndian>
#include <cstring>

#include "platform/ansi.h"

namespace {

// Little-endian field writers and readers on a byte buffer.
void putI16(char* at, qint16 v) {
    qToLittleEndian<qint16>(v, at);
}
void putI32(char* at, qint32 v) {
    qToLittleEndian<qint32>(v, at);
}
void putF64(char* at, double v) {
    quint64 bits;
    std::memcpy(&bits, &v, sizeof bits);
    qToLittleEndian<quint64>(bits, at);
}
void putText(char* at, const QString& text, int size) {
    const QByteArray bytes = platform::fixedAnsi(text, size);
    std::memcpy(at, bytes.constData(), static_cast<size_t>(size));
}

qint16 getI16(const char* at) {
    return qFromLittleEndian<qint16>(at);
}
qint32 getI32(const char* at) {
    return qFromLittleEndian<qint32>(at);
}
double getF64(const char* at) {
    const quint64 bits = qFromLittleEndian<quint64>(at);
    double v;
    std::memcpy(&v, &bits, sizeof v);
    return v;
}
QString getText(const char* at, int size) {
    return platform::fromAnsi(QByteArray(at, size));
}

}  // namespace

LoggedRun decodeLoggedRun(const char* record) {
    return {getF64(record + 0), getF64(record + 8), getI16(record + 16), getI16(record + 18),
            getI32(record + 20)};
}

namespace {

// The run's 24 bytes, as both records hold them.
void encodeLoggedRun(char* p, const LoggedRun& run) {
    putF64(p + 0, run.date);
    putF64(p + 8, run.timeOfDay);
    putI16(p + 16, run.studentNo);
    putI16(p + 18, run.level);
    putI32(p + 20, run.time);
}

}  // namespace

QByteArray ResultRecord::toBytes() const {
    QByteArray out(kResultRecordSize, '\0');
    char* p = out.data();
    encodeLoggedRun(p, *this);
    putText(p + 24, classroom, 5);
    std::memcpy(p + 29, "     ", 5);
    std::memcpy(p + 34, "0    ", 5);
    // 39..43 stay zero.
    return out;
}

ResultRecord ResultRecord::fromBytes(const char* bytes) {
    ResultRecord r;
    static_cast<LoggedRun&>(r) = decodeLoggedRun(bytes);
    r.classroom = getText(bytes + 24, 5);
    return r;
}

QByteArray HomeResultRecord::toBytes() const {
    QByteArray out(kHomeResultRecordSize, '\0');
    char* p = out.data();
    putText(p + 0, folderName, 20);
    putI16(p + 20, contentTag);
    encodeLoggedRun(p + 22, *this);
    putText(p + 46, classroom, 5);
    // 51..65 stay zero.
    return out;
}

HomeResultRecord HomeResultRecord::fromBytes(const char* bytes) {
    HomeResultRecord r;
    r.folderName = getText(bytes + 0, 20);
    r.contentTag = getI16(bytes + 20);
    static_cast<LoggedRun&>(r) = decodeLoggedRun(bytes + 22);
    r.classroom = getText(bytes + 46, 5);
    return r;
}
