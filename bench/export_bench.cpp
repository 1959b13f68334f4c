// Exporting a 20000-record results log to CSV, as narabitouch-export does it: reading the
// family's files and the log, building the rows and writing the file.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <random>

#include "export/export_command.h"
#include "platform/clock.h"
#include "platform/dates.h"
#include "results/result_log.h"
#include "results/statistics.h"
#include "state/session.h"

namespace {

// A demo family (make_demo) whose log holds 20000 runs of the demo students over the last
// 60 days, one in twenty out of time.
bool layOutFamily(const QTemporaryDir& dir, QString* programDir) {
    const QString program = QStringLiteral("ならびタッチ");
    if (QProcess::execute(QStringLiteral(MAKE_DEMO), {dir.path(), program}) != 0) return false;
    *programDir = dir.path() + u'/' + program;
    std::mt19937 gen(42);
    const double today = platform::dayCountFromDate(platform::today());
    QByteArray bytes;
    bytes.reserve(kMaxRecords * kResultRecordSize);
    for (int k = 0; k < kMaxRecords; ++k) {
        ResultRecord r;
        r.date = today - static_cast<double>(gen() % 60);
        r.timeOfDay = static_cast<double>(gen() % 86400) / 86400.0;
        r.studentNo = static_cast<qint16>(1 + gen() % 3);
        r.level = static_cast<qint16>(1 + gen() % 4);
        r.time = gen() % 20 == 0 ? course::kNoRecord : static_cast<qint32>(15 + gen() % 200);
        r.classroom = QStringLiteral("12345");
        bytes += r.toBytes();
    }
    QFile log(*programDir + QStringLiteral("/成績累積データ.dat"));
    return log.open(QIODevice::WriteOnly | QIODevice::Truncate) && log.write(bytes) == bytes.size();
}

void BM_ExportWholeLog20000(benchmark::State& state) {
    QTemporaryDir family;
    QTemporaryDir outDir;
    QString programDir;
    if (!layOutFamily(family, &programDir)) {
        state.SkipWithError("the demo family could not be laid out");
        return;
    }
    const QString csv = outDir.path() + QStringLiteral("/runs.csv");
    QStringList args = {programDir, QStringLiteral("-o"), csv};
    if (state.range(0)) args << QStringLiteral("--encoding") << QStringLiteral("cp932");
    QString errors;
    ExportOutput out;
    out.standardOutput = [](const QByteArray&) { return true; };
    out.standardError = [&](const QString& text) { errors += text; };
    for (auto _ : state) {
        state::resetRunState();
        if (runExport(args, out) != kExportOk) {
            state.SkipWithError(qPrintable(errors));
            return;
        }
    }
    state.counters["bytes"] = static_cast<double>(QFile(csv).size());
}
BENCHMARK(BM_ExportWholeLog20000)->Arg(0)->Arg(1)->ArgName("cp932")->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
