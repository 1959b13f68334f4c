#include "export/export_command.h"

#include <QDir>
#include <QFileInfo>

#include "course/grades.h"
#include "course/levels.h"
#include "platform/command_line.h"
#include "platform/errors.h"
#include "platform/file_replace.h"
#include "platform/record_file.h"
#include "platform/wait.h"
#include "results/level_targets.h"
#include "results/pending_runs.h"
#include "results/result_log.h"
#include "roster/roster.h"
#include "state/course.h"
#include "state/folder_guess.h"
#include "state/roster.h"
#include "state/settings.h"
#include "state/settings_file.h"

namespace {

const QString kProgramName = QStringLiteral("narabitouch-export");
constexpr int kLockRetryMs = 1000;
constexpr int kLockAttempts = 30;

QString shownPath(const QString& path) {
    return QDir::toNativeSeparators(QDir::cleanPath(path));
}

QString errorText(const platform::RuntimeError& e) {
    QString text = QStringLiteral("%1: %2 (エラー %3)")
                       .arg(shownPath(e.file()), e.description())
                       .arg(e.number());
    if (!e.detail().isEmpty()) text += u' ' + e.detail();
    return text;
}

// An existing file in one of the family's folders that is not a CSV file is one of the
// family's files (log, roster, settings, pictures, the programs themselves): never
// replaced by an export.
bool isFamilyFile(const QString& outputPath) {
    const QFileInfo given(outputPath);
    if (!given.exists()) return false;
    const QFileInfo file(given.canonicalFilePath());
    if (file.suffix().compare(QStringLiteral("csv"), Qt::CaseInsensitive) == 0) return false;
    const QString folder = file.absolutePath();
    for (const QString& family : {state::settings().programFolder, state::settings().dataFolder,
                                  state::settings().baseFolder, state::settings().soundFolder}) {
        const QString canonical = QDir(family).canonicalPath();
        if (!canonical.isEmpty() && canonical == folder) return true;
    }
    return false;
}

platform::CommandLine exportCommandLine() {
    platform::CommandLine line(
        {kProgramName,
         {QStringLiteral("プログラムフォルダ [--from yyyy-mm-dd] [--to yyyy-mm-dd]"),
          QStringLiteral(
              "                    [--student N] [--encoding utf-8|cp932] [--pending]\n"
              "                    [-o ファイル]")},
         QStringLiteral(
             "プログラムフォルダ (例: …/ならびタッチ) の成績累積データ.dat を、1 回の記録を 1 "
             "行にした\n"
             "CSV にして書き出します (表計算ソフト用)。設定.txt、共通データ.txt、生徒用名簿.txt、\n"
             "タイム回数データ.txt "
             "はプログラムと同じように読み、家族のファイルには何も書きません。\n"
             "家族フォルダを指定すると、その中のプログラムフォルダが 1 つならそれを使います。"),
         QStringLiteral(
             "列: 日付, 時刻, 生徒番号, 名前, 学年 (今日の学年), レベル, レベル名,\n"
             "    タイム(秒) (時間切れなど失敗した回は空), 得点 (レベルの重みをかけない点), "
             "教室コード\n"
             "区切りはコンマ、行末は CR LF、コンマや \" を含む値は \" で囲みます。\n"
             "最後の記録が途中で切れていれば読み飛ばし、標準エラーに知らせます。"),
         QStringLiteral("0 書き出した / 1 ファイルがない・読めない・書けない / 2 使い方の誤り")});
    const QString day = QStringLiteral("yyyy-mm-dd");
    line.addOption(
        {QStringLiteral("from"), QStringLiteral("この日からの記録 (その日を含む)"), day});
    line.addOption({QStringLiteral("to"), QStringLiteral("この日までの記録 (その日を含む)"), day});
    line.addOption(
        {QStringLiteral("student"), QStringLiteral("生徒番号 N の記録だけ"), QStringLiteral("N")});
    line.addOption(
        {QStringLiteral("encoding"),
         QStringLiteral("utf-8 (既定): UTF-8、BOM 付き (日本語の Windows の表計算ソフト用)\n"
                        "cp932: シフト JIS (CP932)"),
         QStringLiteral("utf-8|cp932")});
    line.addOption({QStringLiteral("pending"),
                    QStringLiteral("このパソコンに保存待ちの成績も書き出し、列「保存待ち」に ○")});
    line.addOption({QStringLiteral("o"),
                    QStringLiteral("このファイルに書き出します (ないときは標準出力)"),
                    QStringLiteral("ファイル")});
    return line;
}

// The runs this computer keeps for the family that are not in the log yet.
LogRuns pendingRunsOf(QByteArray logBytes, const QString& logPath) {
    const qsizetype whole = logBytes.size() / kResultRecordSize * kResultRecordSize;
    addPendingToLog(&logBytes, familyLogs());
    return decodeRuns(logBytes.mid(whole), logPath);
}

}  // namespace

bool parseExportArguments(const QStringList& args, ExportRequest* request, QString* error) {
    ExportRequest r;
    platform::CommandLine line = exportCommandLine();
    switch (line.parse(args)) {
        case platform::CommandLine::Outcome::Help:
            r.help = true;
            *request = r;
            return true;
        case platform::CommandLine::Outcome::Version:
            r.version = true;
            *request = r;
            return true;
        case platform::CommandLine::Outcome::UsageError:
            *error = line.error();
            return false;
        case platform::CommandLine::Outcome::Run:
            break;
    }
    const QCommandLineParser& parser = line.parser();
    // Every option once at most: a second value would silently replace the first.
    for (const QString& name : parser.optionNames()) {
        if (parser.values(name).size() > 1) {
            *error = QStringLiteral("%1%2 は 1 回だけ指定します")
                         .arg(name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--"), name);
            return false;
        }
    }
    for (const QString& name : {QStringLiteral("from"), QStringLiteral("to")}) {
        if (!parser.isSet(name)) continue;
        const QString value = parser.value(name);
        const QDate day = QDate::fromString(value, QStringLiteral("yyyy-MM-dd"));
        if (!day.isValid()) {
            *error = QStringLiteral("--%1 %2: 日付は yyyy-mm-dd の形で書きます").arg(name, value);
            return false;
        }
        (name == QStringLiteral("from") ? r.filter.from : r.filter.to) = day;
    }
    if (parser.isSet(QStringLiteral("student"))) {
        const QString value = parser.value(QStringLiteral("student"));
        bool ok = false;
        const int no = value.toInt(&ok);
        if (!ok || no < 1 || no > kMaxStudent) {
            *error = QStringLiteral("--student %1: 生徒番号は 1 から %2 までです")
                         .arg(value)
                         .arg(kMaxStudent);
            return false;
        }
        r.filter.studentNo = no;
    }
    if (parser.isSet(QStringLiteral("encoding"))) {
        const QString value = parser.value(QStringLiteral("encoding"));
        const QString name = value.toLower();
        if (name == QStringLiteral("utf-8") || name == QStringLiteral("utf8")) {
            r.encoding = CsvEncoding::Utf8WithBom;
        } else if (name == QStringLiteral("cp932")) {
            r.encoding = CsvEncoding::Cp932;
        } else {
            *error = QStringLiteral("--encoding %1: utf-8 か cp932 を指定します").arg(value);
            return false;
        }
    }
    r.pending = parser.isSet(QStringLiteral("pending"));
    if (parser.isSet(QStringLiteral("o"))) {
        r.outputPath = parser.value(QStringLiteral("o"));
        if (r.outputPath.isEmpty()) {
            *error = QStringLiteral("-o の後のファイル名が空です");
            return false;
        }
    }
    const QStringList folders = parser.positionalArguments();
    if (folders.size() > 1) {
        *error = QStringLiteral("%1: プログラムフォルダは 1 つだけ指定します").arg(folders[1]);
        return false;
    }
    if (folders.isEmpty()) {
        *error = QStringLiteral("プログラムフォルダを指定してください");
        return false;
    }
    r.programDir = folders.first();
    if (r.filter.from.isValid() && r.filter.to.isValid() && r.filter.from > r.filter.to) {
        *error = QStringLiteral("--from の日付が --to の日付より後です");
        return false;
    }
    *request = r;
    return true;
}

QString exportUsage() {
    return exportCommandLine().helpText();
}

RunsLookup loadRunsLookup(const QString& programDir, QStringList* notes) {
    loadSettings(programDir);
    course::fillLevelTables(state::course());
    loadLevelTargets();

    RunsLookup lookup;
    lookup.levelNames = state::course().levelNames;
    for (int level = 1; level <= kMaxLevel; ++level)
        lookup.passTimes[level] = state::course().levelTargets[level].passTime;
    lookup.targetsPath = state::levelTargetsPath();

    // The program would give a left-behind copy the roster's name; the export reads it
    // where it lies.
    QString roster = rosterPath();
    if (!QFileInfo::exists(roster) && QFileInfo::exists(rosterTempPath())) {
        roster = rosterTempPath();
        notes->append(QStringLiteral("%1 がないので %2 から名前を読みました")
                          .arg(shownPath(rosterPath()), shownPath(roster)));
    }
    state::roster().currentSchoolYear = schoolYearToday();
    // Every line names its student, active or not; a later line of the same number wins.
    for (const RosterLine& line : readRosterFile(roster)) {
        const RosterEntry& e = line.entry;
        lookup.studentNames[e.studentNo] = trimSpaces(e.studentName);
        lookup.gradeLabels[e.studentNo] = displayGradeLabel(gradeOf(e.birthYear));
    }
    return lookup;
}

QByteArray readLogShared(const QString& path, int attempts) {
    QByteArray bytes;
    for (int attempt = 1;; ++attempt) {
        if (platform::readRecordsShared(path, &bytes)) return bytes;
        if (attempt >= attempts) {
            throw platform::RuntimeError(platform::errPermissionDenied, path,
                                         QStringLiteral("他の機械が書き込み中で読めません"));
        }
        platform::waitBriefly(kLockRetryMs);
    }
}

int runExport(const QStringList& args, const ExportOutput& out) {
    const auto say = [&](const QString& text) {
        out.standardError(kProgramName + QStringLiteral(": ") + text);
    };
    ExportRequest request;
    QString usageError;
    if (!parseExportArguments(args, &request, &usageError)) {
        say(usageError);
        say(exportCommandLine().helpHint());
        return kExportUsageError;
    }
    if (request.help || request.version) {
        const QString text = request.help ? exportUsage() : exportCommandLine().versionText();
        return out.standardOutput((text + u'\n').toLocal8Bit()) ? kExportOk : kExportFileError;
    }
    if (!QFileInfo(request.programDir).isDir()) {
        say(QStringLiteral("%1: プログラムフォルダがありません")
                .arg(shownPath(request.programDir)));
        return kExportFileError;
    }
    // Given the family folder, the one program folder in it.
    const FolderGuess guess = programFolderFor(request.programDir);
    if (!guess.problem.isEmpty()) {
        say(guess.problem);
        return kExportFileError;
    }
    if (!guess.note.isEmpty()) say(guess.note);
    const QString programDir = guess.folder;

    try {
        QStringList notes;
        const RunsLookup lookup = loadRunsLookup(programDir, &notes);
        for (const QString& note : notes) say(note);
        if (!request.outputPath.isEmpty() && isFamilyFile(request.outputPath)) {
            say(QStringLiteral("%1: 家族のファイルには書き出しません (.csv の名前にしてください)")
                    .arg(shownPath(request.outputPath)));
            return kExportFileError;
        }

        const QString logPath = resultLogPath();
        const QByteArray logBytes = readLogShared(logPath, kLockAttempts);
        const LogRuns runs = decodeRuns(logBytes, logPath);
        if (runs.tornBytes > 0) {
            say(QStringLiteral("%1: 最後の記録が途中で切れています (%2 バイト)。読み飛ばしました")
                    .arg(shownPath(logPath))
                    .arg(runs.tornBytes));
        }
        if (runs.leftOut > 0) {
            say(QStringLiteral("%1: 生徒番号・レベル・日付のない記録 %2 件は書き出しません")
                    .arg(shownPath(logPath))
                    .arg(runs.leftOut));
        }

        QByteArray csv;
        if (request.pending) {
            std::vector<ResultRecord> all = runs.records;
            const size_t logged = all.size();
            for (const ResultRecord& r : pendingRunsOf(logBytes, logPath).records)
                all.push_back(r);
            csv = runsCsv(all, lookup, request.filter, request.encoding, logged);
        } else {
            csv = runsCsv(runs.records, lookup, request.filter, request.encoding);
        }
        if (!request.outputPath.isEmpty()) {
            platform::replaceFile(request.outputPath, csv);
        } else if (!out.standardOutput(csv)) {
            say(QStringLiteral("標準出力に書き出せません"));
            return kExportFileError;
        }
        return kExportOk;
    } catch (const platform::RuntimeError& e) {
        say(errorText(e));
        return kExportFileError;
    }
}
