#include "results/run_keeping.h"

#include <QFileInfo>
#include <algorithm>
#include <optional>

#include "platform/clock.h"
#include "platform/errors.h"
#include "platform/messages.h"
#include "platform/shared_files.h"

namespace {

const QString kHeldElsewhere = QStringLiteral("ほかのコンピューターが書き込み中です。");

// Why a file did not take its records: the error, or another computer holding it.
struct Refusal {
    QString file;
    QString reason;
};

QString reasonOf(const platform::RuntimeError& e) {
    return e.detail().isEmpty() ? e.description()
                                : QStringLiteral("%1（%2）").arg(e.description(), e.detail());
}

QString folderOf(const QString& file) {
    return platform::displayPath(QFileInfo(file).absolutePath());
}

// Takes the file's lock; while another computer holds it, retries, asking after about 5 s
// (when `keepWaiting` is given) whether to go on. False when the caller gives up.
bool lockFile(platform::AppendFile& file, const QString& path, const KeepWaiting* keepWaiting) {
    platform::Clock& clock = platform::clock();
    qint64 askAt = clock.monotonicMs() + kLockAskAfterMs;
    while (!file.tryLock()) {
        if (!keepWaiting) return false;
        if (clock.monotonicMs() >= askAt) {
            if (!(*keepWaiting)(folderOf(path))) return false;
            askAt = clock.monotonicMs() + kLockAskAfterMs;
        }
        platform::sharedFiles().pause(kLockRetryEveryMs);
    }
    return true;
}

// Appends the records of one file (`field` of each run that still has one), in order, and
// empties the field of each one appended or found already there.
std::optional<Refusal> appendAll(std::vector<PendingRun>& runs, QByteArray PendingRun::*field,
                                 const QString& path, int recordSize,
                                 const KeepWaiting* keepWaiting) {
    bool any = false;
    for (const PendingRun& run : runs) any = any || !(run.*field).isEmpty();
    if (!any) return std::nullopt;
    try {
        const auto file = platform::sharedFiles().openForAppend(path);
        if (!lockFile(*file, path, keepWaiting)) return Refusal{path, kHeldElsewhere};
        const QByteArray tail = file->tail(recordSize, kTailRecordsCompared);
        for (PendingRun& run : runs) {
            QByteArray& record = run.*field;
            if (record.isEmpty()) continue;
            if (!inTail(tail, record)) file->append(record);
            record.clear();
        }
    } catch (const platform::RuntimeError& e) {
        return Refusal{path, reasonOf(e)};
    }
    return std::nullopt;
}

// Both files in turn: the results log first, as the Windows machines do.
std::vector<Refusal> appendToFamily(std::vector<PendingRun>& runs, const FamilyLogs& logs,
                                    const KeepWaiting* keepWaiting) {
    std::vector<Refusal> refused;
    if (auto r = appendAll(runs, &PendingRun::logRecord, logs.log, kResultRecordSize, keepWaiting))
        refused.push_back(*r);
    // Once the user chose to keep the run here, the home-use copy is not waited for either.
    if (!refused.empty() && refused[0].reason == kHeldElsewhere) keepWaiting = nullptr;
    if (auto r =
            appendAll(runs, &PendingRun::homeRecord, logs.home, kHomeResultRecordSize, keepWaiting))
        refused.push_back(*r);
    return refused;
}

QString refusalText(const std::vector<Refusal>& refused) {
    QString text = QStringLiteral("成績をファイルに書き込めませんでした。");
    for (const Refusal& r : refused)
        text += QStringLiteral("\r\n\r\nファイル: %1\r\n理由: %2")
                    .arg(platform::displayPath(r.file), r.reason);
    return text;
}

}  // namespace

bool askKeepWaiting(const QString& folder) {
    const int choice = platform::messageBoxes().choose(
        QStringLiteral("フォルダー「%1」の成績のファイルに、ほかのコンピューターが書き込み中です。"
                       "\r\n\r\nこのまま待ちますか？ それとも、この成績をこのパソコンに保存して、"
                       "あとで自動的に追加しますか？")
            .arg(folder),
        platform::kMakerName, platform::MsgIcon::Question,
        {QStringLiteral("このパソコンに保存する"), QStringLiteral("待ち続ける")});
    return choice == 1;
}

RunKeeping keepRun(const PendingRun& run, const KeepWaiting& keepWaiting) {
    const FamilyLogs logs = familyLogs();
    const PendingRuns pending = readPendingRuns(logs);
    // An unusable pending file is never appended from; it is set aside when this run has to
    // be kept.
    std::vector<PendingRun> runs =
        pending.problem.isEmpty() ? pending.runs : std::vector<PendingRun>{};
    runs.push_back(run);
    const std::vector<Refusal> refused = appendToFamily(runs, logs, &keepWaiting);
    const PendingRun left = runs.back();  // what of this run the files did not take
    std::erase_if(runs, [](const PendingRun& r) { return r.done(); });
    if (left.done() && runs == pending.runs && pending.problem.isEmpty()) return {};

    QString setAside;
    try {
        if (!pending.problem.isEmpty()) {
            if (runs.empty()) return {};
            setAside = setAsideUnusable(pending.path);
            if (setAside.isEmpty())
                throw platform::RuntimeError(platform::errPermissionDenied, pending.path,
                                             pending.problem);
        }
        writePendingRuns(logs, runs);
    } catch (const platform::RuntimeError& e) {
        // Runs of the old file that were appended are found in the files' last records.
        if (left.done()) return {};
        return {RunKept::Lost, refusalText(refused) +
                                   QStringLiteral("\r\n\r\nこのパソコンにも保存できませんでした。"
                                                  "\r\nファイル: %1\r\n理由: %2"
                                                  "\r\n\r\nこの成績は記録されていません。")
                                       .arg(platform::displayPath(e.file()), reasonOf(e))};
    }
    if (left.done()) return {};
    QString text =
        refusalText(refused) + QStringLiteral(
                                   "\r\n\r\nこの成績はこのパソコンに保存しました。"
                                   "書き込めるようになると、自動的に成績に追加されます。");
    if (!setAside.isEmpty())
        text += QStringLiteral(
                    "\r\n\r\n読めなかった保存待ちのファイルは、そのまま残してあります: "
                    "%1\r\n（%2）")
                    .arg(platform::displayPath(setAside), pending.problem);
    return {RunKept::KeptHere, text};
}

PendingAdded addPendingRuns() {
    const FamilyLogs logs = familyLogs();
    const PendingRuns pending = readPendingRuns(logs);
    if (!pending.problem.isEmpty())
        return {0, 0,
                QStringLiteral("%1: %2").arg(platform::displayPath(pending.path), pending.problem)};
    if (pending.runs.empty()) return {};
    std::vector<PendingRun> runs = pending.runs;
    appendToFamily(runs, logs, nullptr);
    std::erase_if(runs, [](const PendingRun& r) { return r.done(); });
    if (runs == pending.runs) return {0, int(runs.size()), {}};
    try {
        writePendingRuns(logs, runs);
    } catch (const platform::RuntimeError& e) {
        // The runs appended are found in the files' last records next time.
        return {0, int(pending.runs.size()),
                QStringLiteral("%1: %2").arg(platform::displayPath(e.file()), reasonOf(e))};
    }
    int added = 0;
    for (const PendingRun& run : pending.runs)
        if (std::find(runs.begin(), runs.end(), run) == runs.end()) ++added;
    return {added, int(runs.size()), {}};
}
