#pragma once

#include <QByteArray>
#include <QString>

namespace platform {

// Text on disk is in the Japanese ANSI code page (CP932, with the NEC and IBM extensions).
QString fromAnsi(const QByteArray& bytes);
QByteArray toAnsi(const QString& text);
// The characters of the text that the ANSI code page cannot store (empty when it can
// store them all).
QString unencodableAnsi(const QString& text);

// A fixed-length text field: the text in ANSI, cut at `size` bytes (never inside a
// double-byte character) and padded with spaces.
QByteArray fixedAnsi(const QString& text, int size);

// Fixed-length string in memory: cut at `length` characters or padded with spaces.
QString fixedLength(const QString& text, int length);

}  // namespace platform
