#include "roster/roster_text.h"

#include <QFile>

#include "platform/errors.h"
#include "platform/file_replace.h"

namespace {

bool isBlankLine(const QByteArray& line) {
    for (char c : line)
        if (c != ' ' && c != '\t') return false;
    return true;
}

// One line as the roster writer writes it, without its end.
QByteArray lineBytes(const RosterEntry& entry, double status) {
    QByteArray bytes = rosterBytes({RosterEntry{}, entry}, {0.0, status}, 1);
    bytes.chop(2);  // CR LF
    return bytes;
}

}  // namespace

RosterText RosterText::read(const QString& path) {
    RosterText roster;
    roster.path_ = path;
    roster.lines_ = readRosterFile(path);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw platform::RuntimeError(platform::errFileNotFound, path);
    QByteArray data = file.readAll();
    const qsizetype eof = data.indexOf('\x1a');
    if (eof >= 0) {
        roster.tail_ = data.mid(eof);
        data.truncate(eof);
    }
    // Lines end as the reader ends them: CR LF, a bare LF or a bare CR.
    qsizetype pos = 0;
    while (pos < data.size()) {
        qsizetype end = pos;
        while (end < data.size() && data[end] != '\r' && data[end] != '\n') ++end;
        Piece piece{data.mid(pos, end - pos), {}};
        qsizetype next = end;
        if (next < data.size()) {
            if (data[next] == '\r' && next + 1 < data.size() && data[next + 1] == '\n') ++next;
            ++next;
        }
        piece.end = data.mid(end, next - end);
        if (!isBlankLine(piece.text)) roster.pieceOfLine_.push_back(roster.pieces_.size());
        roster.pieces_.push_back(piece);
        pos = next;
    }
    if (roster.pieceOfLine_.size() != roster.lines_.size()) {
        throw platform::RuntimeError(platform::errDeviceIO, path,
                                     QStringLiteral("読んでいる間に変わりました"));
    }
    return roster;
}

void RosterText::setStatus(size_t index, double status) {
    RosterLine& line = lines_.at(index);
    line.status = status;
    pieces_[pieceOfLine_.at(index)].text = lineBytes(line.entry, status);
}

void RosterText::setEntry(size_t index, const RosterEntry& entry) {
    RosterLine& line = lines_.at(index);
    line.entry = entry;
    pieces_[pieceOfLine_.at(index)].text = lineBytes(entry, line.status);
}

void RosterText::append(const RosterEntry& entry, double status) {
    if (!pieces_.empty() && pieces_.back().end.isEmpty()) pieces_.back().end = "\r\n";
    RosterLine line;
    line.entry = entry;
    line.status = status;
    line.lineNumber = static_cast<int>(pieces_.size()) + 1;
    pieceOfLine_.push_back(pieces_.size());
    pieces_.push_back({lineBytes(entry, status), "\r\n"});
    lines_.push_back(line);
}

QByteArray RosterText::bytes() const {
    QByteArray out;
    for (const Piece& piece : pieces_) out += piece.text + piece.end;
    return out + tail_;
}

void RosterText::save() const {
    const QString temp =
        path_.left(path_.lastIndexOf(u'/') + 1) + QStringLiteral("生徒用名簿temp.txt");
    platform::replaceFile(path_, temp, bytes());
}

bool rosterLoadsAtHome(const std::vector<bool>& activeLines) {
    int counted = 0;
    for (const bool active : activeLines) {
        if (++counted > kHomeUseLimit) return false;
        if (!active) --counted;
    }
    return true;
}
