#include "platform/ansi.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace platform {

namespace {
constexpr const char* kCodec = "windows-31j";
}

QString fromAnsi(const QByteArray& bytes) {
    QStringDecoder decoder(kCodec);
    return decoder.decode(bytes);
}

QByteArray toAnsi(const QString& text) {
    QStringEncoder encoder(kCodec);
    return encoder.encode(text);
}

QString unencodableAnsi(const QString& text) {
    QString missing;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const qsizetype len = (text[i].isHighSurrogate() && i + 1 < text.size()) ? 2 : 1;
        const QStringView piece = QStringView(text).mid(i, len);
        // A character the code page lacks is replaced on encoding; the round trip tells.
        QStringEncoder encoder(kCodec);
        QStringDecoder decoder(kCodec);
        const QString back = decoder.decode(encoder.encode(piece));
        if (encoder.hasError() || back != piece) missing += piece;
        i += len - 1;
    }
    return missing;
}

QByteArray fixedAnsi(const QString& text, int size) {
    QByteArray out;
    out.reserve(size);
    // Encode character by character so a double-byte character is never split.
    QStringEncoder encoder(kCodec);
    for (qsizetype i = 0; i < text.size(); ++i) {
        qsizetype len = (text[i].isHighSurrogate() && i + 1 < text.size()) ? 2 : 1;
        QByteArray piece = encoder.encode(QStringView(text).mid(i, len));
        if (out.size() + piece.size() > size) break;
        out += piece;
        i += len - 1;
    }
    while (out.size() < size) out += ' ';
    return out;
}

QString fixedLength(const QString& text, int length) {
    if (text.size() >= length) return text.left(length);
    return text + QString(length - text.size(), u' ');
}

}  // namespace platform
