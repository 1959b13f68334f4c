#include "monkey/family_check.h"

#include <QDirIterator>
#include <QFile>

#include "home/step_file.h"
#include "platform/errors.h"
#include "results/result_log.h"
#include "roster/roster.h"
#include "state/course.h"

namespace {

QByteArray bytesOf(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool sensible(int studentNo, int level, qint32 time, double date) {
    return studentNo >= 1 && studentNo <= kMaxStudent && level >= 1 && level <= kMaxLevel &&
           time >= 0 && date >= 1 && date < 2958466;
}

}  // namespace

FamilyCheck::FamilyCheck(QString familyFolder, QString programName)
    : family_(std::move(familyFolder)), program_(std::move(programName)) {}

void FamilyCheck::takeCounts() {
    logRecords_ =
        bytesOf(family_ + u'/' + program_ + QStringLiteral("/成績累積データ.dat")).size() /
        kResultRecordSize;
    homeRecords_ = bytesOf(family_ + QStringLiteral("/成績累積データ家庭用.dat")).size() /
                   kHomeResultRecordSize;
}

QStringList FamilyCheck::problems(bool cleanEnd) const {
    QStringList found;
    const QString logPath = family_ + u'/' + program_ + QStringLiteral("/成績累積データ.dat");
    const QByteArray log = bytesOf(logPath);
    if (log.size() % kResultRecordSize != 0)
        found << QStringLiteral("results log: %1 bytes, not whole records").arg(log.size());
    for (qsizetype at = 0; at + kResultRecordSize <= log.size(); at += kResultRecordSize) {
        const ResultRecord r = ResultRecord::fromBytes(log.constData() + at);
        if (!sensible(r.studentNo, r.level, r.time, r.date)) {
            found << QStringLiteral("results log: record %1 reads student %2 level %3 time %4")
                         .arg(at / kResultRecordSize + 1)
                         .arg(r.studentNo)
                         .arg(r.level)
                         .arg(r.time);
            break;
        }
    }

    const QByteArray home = bytesOf(family_ + QStringLiteral("/成績累積データ家庭用.dat"));
    if (home.size() % kHomeResultRecordSize != 0)
        found << QStringLiteral("home copy: %1 bytes, not whole records").arg(home.size());
    for (qsizetype at = 0; at + kHomeResultRecordSize <= home.size(); at += kHomeResultRecordSize) {
        const HomeResultRecord r = HomeResultRecord::fromBytes(home.constData() + at);
        if (!sensible(r.studentNo, r.level, r.time, r.date) ||
            r.folderName.trimmed() != program_ + u'\\') {
            found << QStringLiteral("home copy: record %1 reads folder %2 student %3 level %4")
                         .arg(at / kHomeResultRecordSize + 1)
                         .arg(r.folderName.trimmed())
                         .arg(r.studentNo)
                         .arg(r.level);
            break;
        }
    }
    const qsizetype logGrew = log.size() / kResultRecordSize - logRecords_;
    const qsizetype homeGrew = home.size() / kHomeResultRecordSize - homeRecords_;
    if (homeGrew != logGrew && (cleanEnd || homeGrew != logGrew - 1))
        found << QStringLiteral("home copy grew by %1 records, the log by %2")
                     .arg(homeGrew)
                     .arg(logGrew);

    try {
        if (readRosterFile(family_ + QStringLiteral("/生徒用名簿.txt")).empty())
            found << QStringLiteral("roster: no line left");
    } catch (const platform::RuntimeError& e) {
        found << QStringLiteral("roster: ") + e.message();
    }

    const QString stepPath = family_ + u'/' + program_ + QStringLiteral("/ステップ原.dat");
    if (QFile::exists(stepPath) &&
        bytesOf(stepPath) != QByteArray(kStepFileRecords * kStepRecordSize, '\0'))
        found << QStringLiteral("step file: %1 bytes, not the blank file")
                     .arg(bytesOf(stepPath).size());

    if (cleanEnd) {
        QDirIterator it(family_, {QStringLiteral("*.tmp"), QStringLiteral("*temp.txt")},
                        QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) found << QStringLiteral("left behind: ") + it.next();
    }
    return found;
}
