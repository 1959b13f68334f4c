#include "sound/sound.h"

#include "platform/clock.h"
#include "platform/file_names.h"
#include "platform/media.h"
#include "platform/messages.h"
#include "platform/numeric.h"
#include "platform/program.h"
#include "platform/sequential_text.h"

namespace {

constexpr int kSections = 10;
constexpr int kMaxFiles = 20;
constexpr int kSilentFailures = 3;

const QString kSoundListFile = QStringLiteral("新音ファイル.txt");

const QString& sectionName(int n) {
    static const QString kNames[kSections + 1] = {
        QString(),
        QStringLiteral("正解音1"),
        QStringLiteral("正解音2"),
        QStringLiteral("間違い音1"),
        QStringLiteral("間違い音2"),
        QStringLiteral("最高音1"),
        QStringLiteral("最高音2"),
        QStringLiteral("自己最高音1"),
        QStringLiteral("自己最高音2"),
        QStringLiteral("自己最高音3"),
        QStringLiteral("不合格音1"),
    };
    return kNames[n];
}

SoundTable emptyTable() {
    SoundTable table;
    for (int n = 1; n <= kSections; ++n) {
        table[n].name = sectionName(n);
        table[n].files = QStringList(kMaxFiles, QString());
    }
    return table;
}

bool isGuarded(int n) {
    return n >= soundSolved && n <= soundNoName;
}

}  // namespace

Sounds::Sounds() : table_(emptyTable()) {}

// The file (base name) to play for section n: entry k = Int(r * count + 1). A section
// without a count (missing from the list, or never closed by "*") plays as count 0
// but names no file, so its command fails like that of any missing file.
QString Sounds::pickFile(int n) const {
    if (n < 1 || n > kSections) return {};
    const SoundSectionEntry& section = table_[n];
    const double r = platform::random().next();
    if (section.count.isEmpty()) return {};
    const double count = platform::leadingNumber(section.count);
    const qint64 k = platform::vbInt(r * count + 1);
    if (k < 1 || k > section.files.size()) return {};
    return section.files[k - 1];
}

QString Sounds::playCommand(const QString& fileName) const {
    return QStringLiteral("play ") + platform::resolveFileName(folder_, fileName) +
           QStringLiteral(" wait");
}

// The failure guard of sections 1 to 4: three failures in a row pass silently, the
// fourth ends the program after its message. False when the program ends.
bool Sounds::guardPassed(int code) {
    if (code == 0) {
        failures_ = 0;
        return true;
    }
    if (failures_ < kSilentFailures) {
        ++failures_;
        return true;
    }
    platform::msgBox(QStringLiteral("音声がでません。先生を呼びなさい。") + QStringLiteral("\r\n") +
                         platform::media().errorString(code),
                     QStringLiteral("音声エラー"));
    platform::endProgram();
    return false;
}

void Sounds::load(const QString& soundFolder) {
    folder_ = soundFolder;
    SoundTable& table = table_;
    table = emptyTable();
    platform::SeqTextReader in = platform::SeqTextReader::open(folder_ + kSoundListFile);
    while (!in.atEnd()) {
        const QString field = in.readString();
        for (int c = 1; c <= kSections; ++c) {
            if (field != table[c].name) continue;
            for (int j = 1; j <= kMaxFiles; ++j) {
                // A section still open at the end of the list keeps its names and no count.
                if (in.atEnd()) return;
                const QString name = in.readString();
                if (name == QStringLiteral("*")) {
                    table[c].count = QString::number(j - 1);
                    break;
                }
                table[c].files[j - 1] = name;
            }
        }
    }
}

void Sounds::playSection(int n, QObject* context, std::function<void()> then) {
    const bool guarded = isGuarded(n);
    platform::media().play(playCommand(pickFile(n) + QStringLiteral(".wav")), context,
                           [this, guarded, then = std::move(then)](int code) {
                               if (guarded && !guardPassed(code)) return;
                               if (then) then();
                           });
}

void Sounds::playFixed(const QString& fileName, QObject* context, std::function<void()> then) {
    platform::media().play(playCommand(fileName), context, [then = std::move(then)](int) {
        if (then) then();
    });
}
