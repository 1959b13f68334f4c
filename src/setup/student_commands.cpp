#include "setup/student_commands.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>
#include <vector>

#include "course/grades.h"
#include "platform/ansi.h"
#include "platform/sequential_text.h"
#include "roster/roster.h"
#include "setup/family_layout.h"
#include "setup/roster_edit.h"
#include "setup/setup_checks.h"
#include "state/folder_guess.h"
#include "state/roster.h"
#include "state/settings.h"

namespace {

constexpr double kActive = 0;
constexpr double kNotActive = 1;

// A family folder's common data and roster, read as the program reads them.
struct Family {
    QString dir;
    RosterText roster;

    std::vector<bool> activeLines() const {
        std::vector<bool> active;
        for (const RosterLine& line : roster.lines()) active.push_back(isActiveStatus(line.status));
        return active;
    }
    // Indexes of the roster lines of a student number.
    std::vector<size_t> linesOf(int studentNo) const {
        std::vector<size_t> found;
        for (size_t i = 0; i < roster.lines().size(); ++i)
            if (roster.lines()[i].entry.studentNo == studentNo) found.push_back(i);
        return found;
    }
};

Family openFamily(const QString& given, const SetupOutput& out) {
    // Given the program folder, the family folder it belongs to.
    const FolderGuess guess = familyFolderFor(given);
    if (!guess.problem.isEmpty()) refuseInput(guess.problem);
    if (!guess.note.isEmpty()) out.standardError(guess.note);
    const QString dir = guess.folder;
    if (!QFileInfo(dir).isDir())
        refuseInput(QStringLiteral("%1: フォルダがありません").arg(shown(dir)));
    {
        platform::SeqTextReader in =
            platform::SeqTextReader::open(QDir(dir).filePath(kCommonDataFile));
        state::settingsAtStartUp().schoolYearStartMonth = in.readNumber();
        in.readString();
        state::settingsAtStartUp().status2Active = in.readNumber();
        for (int i = 4; i <= 10; ++i) in.readString();
    }
    state::roster().currentSchoolYear = schoolYearToday();
    return Family{dir, RosterText::read(QDir(dir).filePath(kRosterFile))};
}

QString studentLine(const RosterLine& line) {
    const RosterEntry& e = line.entry;
    return QStringLiteral("%1\t%2\t%3\t%4\t%5")
        .arg(e.studentNo)
        .arg(trimSpaces(e.studentName))
        .arg(e.birthYear)
        .arg(displayGradeLabel(gradeOf(e.birthYear)),
             isActiveStatus(line.status) ? QStringLiteral("有効") : QStringLiteral("無効"));
}

[[noreturn]] void refuseLimit(const Family& family) {
    refuseInput(shown(QDir(family.dir).filePath(kRosterFile)) + QStringLiteral(": ") +
                homeUseLimitMessage());
}

void listStudents(const Family& family, const SetupOutput& out) {
    out.standardOutput(QStringLiteral("番号\t名前\t生まれた年\t学年\t状態"));
    for (const RosterLine& line : family.roster.lines()) out.standardOutput(studentLine(line));
}

int addStudent(Family& family, const SetupRequest& request, const SetupOutput& out) {
    const NewStudent student =
        checkedStudent(request.required(QStringLiteral("--name")),
                       request.required(QStringLiteral("--birth-year")), QStringLiteral("--name"),
                       QStringLiteral("--birth-year"), state::roster().currentSchoolYear);
    int number = 0;
    if (request.isSet(QStringLiteral("--number"))) {
        number = wholeNumber(request.value(QStringLiteral("--number")), QStringLiteral("--number"),
                             1, kMaxStudent);
        if (!family.linesOf(number).empty())
            refuseInput(QStringLiteral("--number %1: この番号はもう名簿にあります").arg(number));
    } else {
        // After the highest number in use, so that no one inherits the runs of a number
        // once used; the lowest free one when the highest is taken.
        for (const RosterLine& line : family.roster.lines())
            number = std::max<int>(number, line.entry.studentNo);
        ++number;
        for (int no = 1; number > kMaxStudent && no <= kMaxStudent; ++no)
            if (family.linesOf(no).empty()) number = no;
        if (number > kMaxStudent) refuseInput(QStringLiteral("名簿に空いている番号がありません"));
    }
    std::vector<bool> active = family.activeLines();
    active.push_back(true);
    if (!rosterLoadsAtHome(active)) refuseLimit(family);

    RosterEntry entry;
    entry.studentNo = static_cast<qint16>(number);
    entry.birthYear = static_cast<qint16>(student.birthYear);
    entry.studentName = platform::fixedLength(student.name, kRosterTextLength);
    entry.spareText1 = entry.spareText2 = QString(kRosterTextLength, u' ');
    family.roster.append(entry, kActive);
    family.roster.save();
    out.standardOutput(studentLine(family.roster.lines().back()));
    return kSetupOk;
}

int setStatus(Family& family, const QString& numberText, bool activate, const SetupOutput& out) {
    const int number = wholeNumber(numberText, QStringLiteral("生徒番号"), 1, kMaxStudent);
    const std::vector<size_t> lines = family.linesOf(number);
    if (lines.empty()) refuseInput(QStringLiteral("生徒番号 %1: 名簿にありません").arg(number));
    std::vector<bool> active = family.activeLines();
    bool changed = false;
    for (const size_t i : lines) {
        if (active[i] == activate) continue;
        family.roster.setStatus(i, activate ? kActive : kNotActive);
        active[i] = activate;
        changed = true;
    }
    if (activate && !rosterLoadsAtHome(active)) refuseLimit(family);
    if (changed) family.roster.save();
    for (const size_t i : lines) out.standardOutput(studentLine(family.roster.lines()[i]));
    return kSetupOk;
}

}  // namespace

int studentCommand(const SetupRequest& request, const SetupOutput& out) {
    if (request.action == SetupAction::StudentAdd) {
        // Both are asked for before any file is read.
        request.required(QStringLiteral("--name"));
        request.required(QStringLiteral("--birth-year"));
    }
    Family family = openFamily(request.folder, out);
    switch (request.action) {
        case SetupAction::StudentAdd:
            return addStudent(family, request, out);
        case SetupAction::StudentList:
            listStudents(family, out);
            return kSetupOk;
        default:
            return setStatus(family, request.studentNo,
                             request.action == SetupAction::StudentRestore, out);
    }
}
