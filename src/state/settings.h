#pragma once

#include <QRgb>
#include <QString>

namespace state {

// The folders and settings of the run, from "設定.txt", "共通データ.txt" and the drill's
// title. The start-up fills them; from then on they are only read.
struct Settings {
    QRgb screenBackColor = qRgb(0, 128, 128);
    QString programFolder;  // ends with "/"
    double layoutMode = 0;
    QString baseFolder;
    QString dataFolder;
    QString soundFolder;
    double schoolYearStartMonth = 0;
    QString classroomName;
    QString classroomCode;
    double status2Active = 0;
    double homeUse = 0;
    QString drillTitle;
};

const Settings& settings();

// The settings to fill: only the start-up, and tests standing in for it, write here.
Settings& settingsAtStartUp();

}  // namespace state
