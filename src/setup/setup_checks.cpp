#include "setup/setup_checks.h"

#include "platform/errors.h"
#include "roster/roster.h"
#include "roster/roster_input.h"
#include "setup/setup_options.h"

QString homeUseLimitMessage() {
    return QStringLiteral("家庭用は3人までしか登録できません") +
           QStringLiteral(" (有効な生徒は %1 人までです)").arg(kHomeUseLimit);
}

int wholeNumber(const QString& text, const QString& what, int min, int max) {
    bool ok = false;
    const int number = text.trimmed().toInt(&ok);
    if (!ok || number < min || number > max) {
        refuseInput(QStringLiteral("%1 「%2」: %3 から %4 までの整数にしてください")
                        .arg(what, text)
                        .arg(min)
                        .arg(max));
    }
    return number;
}

NewStudent checkedStudent(const QString& name, const QString& yearText, const QString& nameWhat,
                          const QString& yearWhat, int schoolYear) {
    const QString nameProblem = rosterNameProblem(name);
    if (!nameProblem.isEmpty()) refuseInput(QStringLiteral("%1: %2").arg(nameWhat, nameProblem));
    bool ok = false;
    const int year = yearText.trimmed().toInt(&ok);
    if (!ok) {
        refuseInput(
            QStringLiteral("%1: 生まれた年「%2」は整数ではありません").arg(yearWhat, yearText));
    }
    const QString yearProblem = birthYearProblem(year, schoolYear);
    if (!yearProblem.isEmpty()) refuseInput(QStringLiteral("%1: %2").arg(yearWhat, yearProblem));
    return {storedRosterName(name), year};
}

QString shown(const QString& path) {
    return platform::displayPath(path);
}
