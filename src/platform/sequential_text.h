#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVector>

namespace platform {

// Reader of the sequential text files shared with the Windows programs of the family:
// values separated by commas or line ends (CR LF, a bare LF or CR accepted too), a
// value may be enclosed in double quotes, Ctrl-Z ends the file.
class SeqTextReader {
  public:
    // Reads the whole file; a missing or unreadable file raises error 53 naming it.
    static SeqTextReader open(const QString& path);
    SeqTextReader(QByteArray data, QString fileName);

    // True when no value is left (blank lines and blanks at the end do not count).
    bool atEnd() const;
    // Next value as text; reading past the end raises error 62.
    QString readString();
    // Next value as a number: the leading number of the value, 0 for an empty value;
    // a value that does not start with a number raises error 13.
    double readNumber();
    // As readNumber, checked against the range of the target; out of range raises error 6.
    qint64 readInteger(qint64 min, qint64 max);
    // Line number (1-based) of the next value, for messages.
    int lineNumber() const { return line_; }
    // Line number of the value read last.
    int lastValueLine() const { return fieldLine_; }
    const QString& fileName() const { return fileName_; }

  private:
    QByteArray readRawField(bool* quoted);
    [[noreturn]] void fail(int number, const QString& what) const;

    QByteArray data_;
    QString fileName_;
    qsizetype pos_ = 0;
    int line_ = 1;
    int fieldLine_ = 1;  // line of the value read last
};

// Writer of the same convention: numbers as plain decimals, strings in double quotes,
// values of a line joined by commas, lines ended by CR LF, text in CP932.
class SeqTextWriter {
  public:
    void writeLine(const QVariantList& values);
    const QByteArray& bytes() const { return data_; }
    // Writes the lines to the file through a temporary file and a rename, so that a
    // failure never leaves a half-written file; raises a run-time error naming the file.
    void saveTo(const QString& path) const;

  private:
    QByteArray data_;
};

}  // namespace platform
