#pragma once

#include <QString>
#include <QStringList>

// The files of a family folder that the program writes, checked for wholeness between
// two lives of the program: the results log and its home-use copy hold whole, sensible
// records (and the copy grew with the log), the roster parses with at most four active
// lines, the step file is whole, and after a clean end no temp file is left behind.
class FamilyCheck {
  public:
    FamilyCheck(QString familyFolder, QString programName);

    // Counts the records as they are now (before a life of the program).
    void takeCounts();
    // The problems found, one line each; empty when every file is whole. A life that
    // crashed may leave a temp file or the home copy one record behind; a clean one not.
    QStringList problems(bool cleanEnd) const;

  private:
    QString family_;
    QString program_;
    qsizetype logRecords_ = 0;
    qsizetype homeRecords_ = 0;
};
