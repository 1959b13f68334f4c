#include "results/pending_runs.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <cctype>

#include "platform/clock.h"
#include "platform/errors.h"
#include "platform/file_replace.h"
#include "platform/local_folders.h"
#include "state/settings.h"

namespace {

const QByteArray kFirstLine = QByteArrayLiteral("narabitouch pending runs 1");

QByteArray hexOr(const QByteArray& record) {
    return record.isEmpty() ? QByteArrayLiteral("-") : record.toHex();
}

// A record field of a run line; false when it is neither "-" nor `size` bytes of hex.
bool recordOf(const QByteArray& field, int size, QByteArray* record) {
    if (field == "-") {
        record->clear();
        return true;
    }
    if (field.size() != size * 2) return false;
    for (char c : field)
        if (!std::isxdigit(static_cast<unsigned char>(c))) return false;
    *record = QByteArray::fromHex(field);
    return true;
}

}  // namespace

FamilyLogs familyLogsOf(const QString& dataFolder, const QString& baseFolder) {
    return {platform::canonicalPath(dataFolder + QStringLiteral("/成績累積データ.dat")),
            platform::canonicalPath(baseFolder + QStringLiteral("/成績累積データ家庭用.dat"))};
}

FamilyLogs familyLogs() {
    return familyLogsOf(state::settings().dataFolder, state::settings().baseFolder);
}

QString pendingFolder() {
    return platform::userStateFolder() + QStringLiteral("/narabitouch/pending");
}

QString pendingFilePath(const FamilyLogs& logs) {
    // The drill folder's name to be read by people, the hash of the whole path to keep
    // families apart.
    const QString folder = QFileInfo(QFileInfo(logs.log).absolutePath()).fileName();
    const QByteArray hash =
        QCryptographicHash::hash(logs.log.toUtf8(), QCryptographicHash::Sha1).toHex().left(16);
    return pendingFolder() + u'/' + folder + u'-' + QString::fromLatin1(hash) +
           QStringLiteral(".txt");
}

PendingRuns readPendingRuns(const FamilyLogs& logs) {
    PendingRuns out;
    out.path = pendingFilePath(logs);
    QFile file(out.path);
    if (!file.exists()) return out;
    if (!file.open(QIODevice::ReadOnly)) {
        out.problem = file.errorString();
        return out;
    }
    const QList<QByteArray> lines = file.readAll().split('\n');
    const auto bad = [&](int line, const QString& what) {
        out.runs.clear();
        out.problem = QStringLiteral("%1 行目: %2").arg(line).arg(what);
        return out;
    };
    if (lines.size() < 3 || lines[0] != kFirstLine)
        return bad(1, QStringLiteral("保存待ちの成績のファイルではありません"));
    const QByteArray logLine = "log\t" + logs.log.toUtf8();
    const QByteArray homeLine = "home\t" + logs.home.toUtf8();
    if (lines[1] != logLine || lines[2] != homeLine) {
        const int line = lines[1] != logLine ? 2 : 3;
        return bad(line, QStringLiteral("ほかのフォルダーの成績です (%1)")
                             .arg(QString::fromUtf8(lines[line - 1])));
    }
    for (int i = 3; i < lines.size(); ++i) {
        if (lines[i].isEmpty() && i == lines.size() - 1) break;
        const QList<QByteArray> fields = lines[i].split('\t');
        PendingRun run;
        if (fields.size() != 3 || fields[0] != "run" ||
            !recordOf(fields[1], kResultRecordSize, &run.logRecord) ||
            !recordOf(fields[2], kHomeResultRecordSize, &run.homeRecord) || run.done())
            return bad(i + 1, QStringLiteral("読めない行です"));
        out.runs.push_back(run);
    }
    return out;
}

void writePendingRuns(const FamilyLogs& logs, const std::vector<PendingRun>& runs) {
    const QString path = pendingFilePath(logs);
    if (runs.empty()) {
        QFile file(path);
        if (file.exists() && !file.remove())
            throw platform::RuntimeError(platform::errPermissionDenied, path, file.errorString());
        return;
    }
    if (!QDir().mkpath(pendingFolder()))
        throw platform::RuntimeError(platform::errPathNotFound, pendingFolder(),
                                     QStringLiteral("フォルダーを作れません"));
    QByteArray text =
        kFirstLine + "\nlog\t" + logs.log.toUtf8() + "\nhome\t" + logs.home.toUtf8() + '\n';
    for (const PendingRun& run : runs)
        text += "run\t" + hexOr(run.logRecord) + '\t' + hexOr(run.homeRecord) + '\n';
    platform::replaceFile(path, text);
}

QString setAsideUnusable(const QString& path) {
    const QString aside = path + QStringLiteral(".kept-") +
                          platform::clock().now().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    return QFile::rename(path, aside) ? aside : QString();
}

std::vector<ResultRecord> pendingResults(const FamilyLogs& logs) {
    std::vector<ResultRecord> out;
    for (const PendingRun& run : readPendingRuns(logs).runs)
        if (!run.logRecord.isEmpty()) out.push_back(ResultRecord::fromBytes(run.logRecord.data()));
    return out;
}

bool inTail(const QByteArray& tail, const QByteArray& record) {
    const qsizetype size = record.size();
    for (qsizetype at = 0; at + size <= tail.size(); at += size)
        if (std::equal(record.begin(), record.end(), tail.begin() + at)) return true;
    return false;
}

int addPendingToLog(QByteArray* logBytes, const FamilyLogs& logs) {
    const PendingRuns pending = readPendingRuns(logs);
    if (pending.runs.empty()) return 0;
    logBytes->resize(logBytes->size() / kResultRecordSize * kResultRecordSize);
    const qsizetype tailFrom = std::max<qsizetype>(
        0, logBytes->size() - qsizetype(kResultRecordSize) * kTailRecordsCompared);
    const QByteArray tail = logBytes->mid(tailFrom);
    int added = 0;
    for (const PendingRun& run : pending.runs) {
        if (run.logRecord.isEmpty() || inTail(tail, run.logRecord)) continue;
        logBytes->append(run.logRecord);
        ++added;
    }
    return added;
}
