#include "home/record_list_area_gui.h"

#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>

#include "home/home_layout_gui.h"
#include "home/level_columns_gui.h"
#include "platform/errors.h"
#include "platform/geometry.h"
#include "platform/program.h"

using namespace homelayout;

RecordListArea::RecordListArea(QWidget* screen, LevelColumns* columns)
    : QObject(screen), screen_(screen), columns_(columns) {
    using platform::twRect;

    // Wait panel shown while a record list is built.
    waitPanel_ = new QFrame(screen);
    waitPanel_->setObjectName(QStringLiteral("Picture6"));
    waitPanel_->setFrameShape(QFrame::Box);
    waitPanel_->setGeometry(
        twRect(kColumnLeft, kRecordListTop, kVisibleColumns * kColumnWidth, 1200));
    waitPanel_->setAutoFillBackground(true);
    makeLabel(waitPanel_, QStringLiteral("Label6"), QStringLiteral("Just a moment, please."),
              twRect(240, 120, 6000, 360));
    waitProgress_ = new QProgressBar(waitPanel_);
    waitProgress_->setObjectName(QStringLiteral("ProgressBar2"));
    waitProgress_->setGeometry(twRect(240, 600, 9000, 300));
    waitPanel_->hide();
}

void RecordListArea::buildChoices() {
    using platform::twRect;
    choicePanel_ = new QFrame(screen_);
    choicePanel_->setObjectName(QStringLiteral("Picture1"));
    choicePanel_->setGeometry(twRect(kColumnLeft, 8580, kVisibleColumns * kColumnWidth, 2760));

    const char* kinds[3] = {"ﾀｲﾑ表示", "ﾎﾟｲﾝﾄ表示", "個人ﾀｲﾑ"};
    auto* kindGroup = new QWidget(choicePanel_);
    kindGroup->setObjectName(QStringLiteral("Option2Group"));
    kindGroup->setGeometry(twRect(0, 60, 9600, 360));
    for (int k = 0; k < 3; ++k) {
        listKind_[k] = new QRadioButton(QString::fromUtf8(kinds[k]), kindGroup);
        listKind_[k]->setObjectName(indexed("Option2", k));
        listKind_[k]->setFont(platform::programFont(kGothic, 10.5));
        listKind_[k]->setGeometry(twRect(k * 2160, 0, 2040, 360));
    }
    const char* choices[4] = {"", "BEST表示", "本日のみ", "すべて"};
    auto* choiceGroup = new QWidget(choicePanel_);
    choiceGroup->setObjectName(QStringLiteral("Option1Group"));
    choiceGroup->setGeometry(twRect(0, 480, 9600, 360));
    for (int k = 1; k <= 3; ++k) {
        listChoice_[k] = new QRadioButton(QString::fromUtf8(choices[k]), choiceGroup);
        listChoice_[k]->setObjectName(indexed("Option1", k));
        listChoice_[k]->setFont(platform::programFont(kGothic, 10.5));
        listChoice_[k]->setGeometry(twRect((k - 1) * 2160, 0, 2040, 360));
    }

    gradeGroup_ = new QComboBox(choicePanel_);
    gradeGroup_->setObjectName(QStringLiteral("Combo1"));
    gradeGroup_->setToolTip(QStringLiteral("表示する学年を選びます"));
    gradeGroup_->setGeometry(twRect(0, 960, 2400, 360));
    gradeGroup_->addItems({QStringLiteral("全学年"), QStringLiteral("中学生全体"),
                           QStringLiteral("小学生全体"), QStringLiteral("中３"),
                           QStringLiteral("中２"), QStringLiteral("中１"), QStringLiteral("小６"),
                           QStringLiteral("小５"), QStringLiteral("小４"), QStringLiteral("小３"),
                           QStringLiteral("小２"), QStringLiteral("小１"), QStringLiteral("家族")});
    gradeGroup_->setCurrentIndex(0);
    connect(gradeGroup_, &QComboBox::activated, this, [this] {
        platform::guarded([this] {
            // The record list of the new grade group is rebuilt by the record-list handlers.
            if (QPushButton* first = columns_->startButton(1)) first->setFocus();
        });
    });

    studentChoice_ = new QComboBox(choicePanel_);
    studentChoice_->setObjectName(QStringLiteral("Combo2"));
    studentChoice_->setGeometry(twRect(2640, 960, 2400, 360));
    studentChoice_->hide();

    chartButton_ = makeButton(choicePanel_, QStringLiteral("Command17"), QStringLiteral("グラフ"),
                              twRect(5280, 960, 1680, 420));
    chartButton_->hide();

    // The list builders run by the option buttons.
    todayButton_ = makeButton(choicePanel_, QStringLiteral("Command5"),
                              QStringLiteral("本日成績表示"), twRect(0, 1500, 2160, 420), 9);
    bestButton_ = makeButton(choicePanel_, QStringLiteral("Command6"),
                             QStringLiteral("過去最高表示"), twRect(2280, 1500, 2160, 420), 9);
    allButton_ = makeButton(choicePanel_, QStringLiteral("Command7"), QStringLiteral("全成績"),
                            twRect(4560, 1500, 2160, 420), 9);
    personalButton_ = makeButton(choicePanel_, QStringLiteral("Command16"),
                                 QStringLiteral("個人別ﾀｲﾑ"), twRect(6840, 1500, 2160, 420), 9);
    for (QPushButton* b : {todayButton_, bestButton_, allButton_, personalButton_}) b->hide();
}

void RecordListArea::captionRankingChoices() {
    listChoice_[1]->setText(QStringLiteral("累計順"));
    listChoice_[2]->setText(QStringLiteral("本日順"));
}

void RecordListArea::chooseDefaultLists() {
    listChoice_[1]->setChecked(true);
    hideListsForRecordDisplay();
    listKind_[1]->setChecked(true);
}

void RecordListArea::hideListsForRecordDisplay() {
    chartButton_->hide();
    if (chartPanel_) chartPanel_->hide();
    if (backButton_) backButton_->setEnabled(false);
    columns_->hideRecordLists();
    waitPanel_->show();
    waitPanel_->raise();
}

void RecordListArea::hideWaitPanel() {
    waitPanel_->hide();
}

void RecordListArea::raiseWaitPanel() {
    waitPanel_->raise();
}
