#include "platform/sequential_text.h"

#include <QFile>
#include <cmath>

#include "platform/ansi.h"
#include "platform/errors.h"
#include "platform/file_replace.h"
#include "platform/numeric.h"

namespace platform {

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}
bool isLineEnd(char c) {
    return c == '\r' || c == '\n';
}

}  // namespace

SeqTextReader SeqTextReader::open(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        throw RuntimeError(file.exists() ? errPermissionDenied : errFileNotFound, path,
                           file.exists() ? QStringLiteral("読み込めません") : QString());
    }
    QByteArray data = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw RuntimeError(errDeviceIO, path, file.errorString());
    return SeqTextReader(std::move(data), path);
}

SeqTextReader::SeqTextReader(QByteArray data, QString fileName)
    : data_(std::move(data)), fileName_(std::move(fileName)) {
    const qsizetype eof = data_.indexOf('\x1a');
    if (eof >= 0) data_.truncate(eof);
}

bool SeqTextReader::atEnd() const {
    for (qsizetype i = pos_; i < data_.size(); ++i) {
        const char c = data_[i];
        if (!isBlank(c) && !isLineEnd(c)) return false;
    }
    return true;
}

void SeqTextReader::fail(int number, const QString& what) const {
    throw RuntimeError(number, fileName_, QStringLiteral("%1 行目: %2").arg(line_).arg(what));
}

QByteArray SeqTextReader::readRawField(bool* quoted) {
    *quoted = false;
    const qsizetype n = data_.size();
    auto consumeLineEnd = [&] {
        if (data_[pos_] == '\r' && pos_ + 1 < n && data_[pos_ + 1] == '\n') ++pos_;
        ++pos_;
        ++line_;
    };
    // Blank lines between values are passed over; after a comma a line end closes an
    // empty value.
    const bool afterComma = pos_ > 0 && data_[pos_ - 1] == ',';
    for (;;) {
        while (pos_ < n && isBlank(data_[pos_])) ++pos_;
        if (pos_ < n && isLineEnd(data_[pos_]) && !afterComma) {
            consumeLineEnd();
            continue;
        }
        break;
    }
    fieldLine_ = line_;
    if (pos_ >= n) {
        if (afterComma) return {};
        fail(errInputPastEnd, QStringLiteral("値が足りません"));
    }
    QByteArray field;
    if (data_[pos_] == '"') {
        *quoted = true;
        ++pos_;
        const qsizetype close = data_.indexOf('"', pos_);
        const qsizetype end = close < 0 ? n : close;
        field = data_.mid(pos_, end - pos_);
        line_ += static_cast<int>(field.count('\n'));
        pos_ = close < 0 ? n : close + 1;
        // Anything between the closing quote and the next separator is dropped.
        while (pos_ < n && data_[pos_] != ',' && !isLineEnd(data_[pos_])) ++pos_;
    } else {
        const qsizetype start = pos_;
        while (pos_ < n && data_[pos_] != ',' && !isLineEnd(data_[pos_])) ++pos_;
        qsizetype end = pos_;
        while (end > start && isBlank(data_[end - 1])) --end;
        field = data_.mid(start, end - start);
    }
    if (pos_ < n) {
        if (data_[pos_] == ',')
            ++pos_;
        else
            consumeLineEnd();
    }
    return field;
}

QString SeqTextReader::readString() {
    bool quoted = false;
    return fromAnsi(readRawField(&quoted));
}

double SeqTextReader::readNumber() {
    bool quoted = false;
    const QString text = fromAnsi(readRawField(&quoted)).trimmed();
    if (text.isEmpty()) return 0.0;
    if (!startsWithNumber(text)) {
        throw RuntimeError(
            errTypeMismatch, fileName_,
            QStringLiteral("%1 行目: 数値ではありません (\"%2\")").arg(fieldLine_).arg(text));
    }
    return leadingNumber(text);
}

qint64 SeqTextReader::readInteger(qint64 min, qint64 max) {
    const double v = readNumber();
    const int line = fieldLine_;
    const double r = std::nearbyint(v);
    if (!(r >= static_cast<double>(min) && r <= static_cast<double>(max))) {
        throw RuntimeError(errOverflow, fileName_,
                           QStringLiteral("%1 行目: 値 %2 が範囲 %3..%4 の外です")
                               .arg(line)
                               .arg(numberText(v))
                               .arg(min)
                               .arg(max));
    }
    return static_cast<qint64>(r);
}

void SeqTextWriter::writeLine(const QVariantList& values) {
    for (qsizetype i = 0; i < values.size(); ++i) {
        if (i > 0) data_ += ',';
        const QVariant& v = values[i];
        if (v.typeId() == QMetaType::QString) {
            // A double quote inside a value would end it early on reading; keep the
            // file readable by storing the full-width form.
            QString text = v.toString();
            text.replace(u'"', u'\uff02');
            data_ += '"' + toAnsi(text) + '"';
        } else {
            data_ += toAnsi(numberText(v.toDouble()));
        }
    }
    data_ += "\r\n";
}

void SeqTextWriter::saveTo(const QString& path) const {
    replaceFile(path, data_);
}

}  // namespace platform
