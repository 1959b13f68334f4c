#include "setup/setup_checks.h"

#include "platform/errors.h"
#include "roster/birth_year.h"
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
    const TypedBirthYear year = readBirthYear(yearText, schoolYear);
    if (!year.problem.isEmpty()) refuseInput(QStringLiteral("%1: %2").arg(yearWhat, year.problem));
    return {storedRosterName(name), year.year};
}

QString shown(const QString& path) {
    return platform::displayPath(path);
}
