#include "roster/roster.h"

#include <QFile>
#include <QVariantList>

#include "course/grades.h"
#include "platform/ansi.h"
#include "platform/clock.h"
#include "platform/errors.h"
#include "platform/file_replace.h"
#include "platform/messages.h"
#include "platform/program.h"
#include "platform/sequential_text.h"
#include "state/roster.h"
#include "state/settings.h"

namespace {

const QString kRosterName = QStringLiteral("生徒用名簿.txt");
const QString kRosterTempName = QStringLiteral("生徒用名簿temp.txt");

bool isBlankLine(const QByteArray& line) {
    for (char c : line)
        if (c != ' ' && c != '\t') return false;
    return true;
}

// Reads the roster one line at a time, so that a load that stops early (home-use limit)
// never looks at the lines after the one where it stopped. Each line must hold exactly
// the eight values; errors name the file and the line.
class RosterFileReader {
  public:
    explicit RosterFileReader(const QString& path) : path_(path) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) {
            const bool exists = file.exists();
            throw platform::RuntimeError(
                exists ? platform::errPermissionDenied : platform::errFileNotFound, path,
                exists ? QStringLiteral("読み込めません") : QString());
        }
        data_ = file.readAll();
        if (file.error() != QFileDevice::NoError)
            throw platform::RuntimeError(platform::errDeviceIO, path, file.errorString());
        const qsizetype eof = data_.indexOf('\x1a');
        if (eof >= 0) data_.truncate(eof);
    }

    // The next non-blank line; false at the end of the file.
    bool next(RosterLine* out) {
        QByteArray line;
        if (!nextLine(&line)) return false;
        parse(line, out);
        return true;
    }

    // The next non-blank line as it stands, not yet read as values.
    bool nextLine(QByteArray* out) {
        for (;;) {
            if (pos_ >= data_.size()) return false;
            qsizetype end = pos_;
            while (end < data_.size() && data_[end] != '\r' && data_[end] != '\n') ++end;
            const QByteArray line = data_.mid(pos_, end - pos_);
            ++lineNo_;
            if (end < data_.size()) {
                if (data_[end] == '\r' && end + 1 < data_.size() && data_[end + 1] == '\n') ++end;
                ++end;
            }
            pos_ = end;
            if (isBlankLine(line)) continue;
            *out = line;
            return true;
        }
    }

    // Reads the eight values of a line given by nextLine.
    void parse(const QByteArray& line, RosterLine* out) const {
        platform::SeqTextReader reader(line, path_);
        try {
            RosterEntry& e = out->entry;
            const qint64 no = reader.readInteger(-32768, 32767);
            if (no < 0 || no > kMaxStudent)
                fail(platform::errSubscriptOutOfRange,
                     QStringLiteral("生徒番号 %1 が 0..%2 の外です").arg(no).arg(kMaxStudent));
            e.studentNo = static_cast<qint16>(no);
            e.birthYear = static_cast<qint16>(reader.readInteger(-32768, 32767));
            e.spareNumber1 = static_cast<qint16>(reader.readInteger(-32768, 32767));
            e.spareNumber2 = static_cast<qint16>(reader.readInteger(-32768, 32767));
            e.studentName = platform::fixedLength(reader.readString(), kRosterTextLength);
            out->status = reader.readNumber();
            e.spareText1 = platform::fixedLength(reader.readString(), kRosterTextLength);
            e.spareText2 = platform::fixedLength(reader.readString(), kRosterTextLength);
            out->lineNumber = lineNo_;
            if (!reader.atEnd())
                fail(platform::errTypeMismatch, QStringLiteral("値が 8 個より多くあります"));
        } catch (const platform::RuntimeError& e) {
            // The reader counts lines from the start of the single line it was given;
            // put the line of the file in its place.
            const QString prefix = QStringLiteral("1 行目: ");
            if (!e.detail().startsWith(prefix)) throw;
            fail(e.number(), e.detail().mid(prefix.size()));
        }
    }

  private:
    [[noreturn]] void fail(int number, const QString& what) const {
        throw platform::RuntimeError(number, path_,
                                     QStringLiteral("%1 行目: %2").arg(lineNo_).arg(what));
    }

    QString path_;
    QByteArray data_;
    qsizetype pos_ = 0;
    int lineNo_ = 0;
};

}  // namespace

int schoolYearToday() {
    const QDate today = platform::today();
    return schoolYearFor(today.year(), today.month(), state::settings().schoolYearStartMonth);
}

int gradeOf(int birthYear) {
    return gradeFor(state::roster().currentSchoolYear, birthYear);
}

QString trimSpaces(const QString& text) {
    qsizetype start = 0;
    qsizetype end = text.size();
    while (start < end && text[start] == u' ') ++start;
    while (end > start && text[end - 1] == u' ') --end;
    return text.mid(start, end - start);
}

QString rosterPath() {
    return state::settings().baseFolder + kRosterName;
}
QString rosterTempPath() {
    return state::settings().baseFolder + kRosterTempName;
}

std::vector<RosterLine> readRosterFile(const QString& path) {
    RosterFileReader reader(path);
    std::vector<RosterLine> lines;
    RosterLine line;
    while (reader.next(&line)) lines.push_back(line);
    return lines;
}

bool isActiveStatus(double status) {
    return status == 0 || (status == 2 && state::settings().status2Active == 1);
}

void storeStudent(const RosterEntry& entry) {
    state::Roster& roster = state::roster();
    const int no = entry.studentNo;
    roster.studentNames[no] = trimSpaces(entry.studentName);
    roster.studentBirthYears[no] = entry.birthYear;
    // From this line alone: a birth year corrected to a grade without a label leaves none.
    roster.studentGradeLabels[no] = fullWidthGradeLabel(gradeOf(entry.birthYear));
}

bool loadRoster(const std::function<void(const RosterEntry&, const QString&)>& active) {
    state::Roster& roster = state::roster();
    roster.currentSchoolYear = schoolYearToday();
    const QString path = rosterPath();
    RosterFileReader reader(path);
    int n = 0;
    RosterLine line;
    QByteArray text;
    while (reader.nextLine(&text)) {
        ++n;
        // The limit holds whatever the line beyond it holds.
        if (state::settings().homeUse == 1 && n > kHomeUseLimit) {
            platform::msgBox(QStringLiteral("家庭用は3人までしか登録できません"));
            platform::endProgram();
            return false;
        }
        reader.parse(text, &line);
        if (n > kMaxStudent) {
            throw platform::RuntimeError(platform::errSubscriptOutOfRange, path,
                                         QStringLiteral("%1 行目: 名簿の生徒が %2 人を超えます")
                                             .arg(line.lineNumber)
                                             .arg(kMaxStudent));
        }
        const RosterEntry& e = line.entry;
        roster.entries[n] = e;
        roster.lineStudentNo[n] = e.studentNo;
        storeStudent(e);
        if (!isActiveStatus(line.status)) {
            --n;  // the place is taken by the next line
        } else if (active) {
            active(e, displayGradeLabel(gradeOf(e.birthYear)));
        }
    }
    roster.count = n;
    return true;
}

void recoverRoster() {
    const QString path = rosterPath();
    {
        QFile roster(path);
        if (roster.open(QIODevice::ReadOnly)) return;
        // A roster that is there but cannot be read is left alone: the load reports it.
        if (roster.exists()) return;
    }
    const QString temp = rosterTempPath();
    if (!QFile::exists(temp)) {
        throw platform::RuntimeError(platform::errFileNotFound, path,
                                     QStringLiteral("%1 もありません").arg(kRosterTempName));
    }
    if (!QFile::rename(temp, path)) {
        throw platform::RuntimeError(platform::errPathFileAccess, temp,
                                     QStringLiteral("%1 に名前を変えられません").arg(kRosterName));
    }
}

namespace {

platform::SeqTextWriter rosterWriter(const std::vector<RosterEntry>& entries,
                                     const std::vector<double>& statuses, int count) {
    platform::SeqTextWriter writer;
    for (int i = 1; i <= count; ++i) {
        const RosterEntry& e = entries.at(i);
        writer.writeLine({static_cast<int>(e.studentNo), static_cast<int>(e.birthYear),
                          static_cast<int>(e.spareNumber1), static_cast<int>(e.spareNumber2),
                          platform::fixedLength(e.studentName, kRosterTextLength), statuses.at(i),
                          platform::fixedLength(e.spareText1, kRosterTextLength),
                          platform::fixedLength(e.spareText2, kRosterTextLength)});
    }
    return writer;
}

}  // namespace

QByteArray rosterBytes(const std::vector<RosterEntry>& entries, const std::vector<double>& statuses,
                       int count) {
    return rosterWriter(entries, statuses, count).bytes();
}

void writeRoster(const QString& path, const std::vector<RosterEntry>& entries,
                 const std::vector<double>& statuses, int count) {
    // Through "生徒用名簿temp.txt", which the recovery takes over should the roster ever
    // be missing.
    const QString temp = path.left(path.lastIndexOf(u'/') + 1) + kRosterTempName;
    platform::replaceFile(path, temp, rosterWriter(entries, statuses, count).bytes());
}
