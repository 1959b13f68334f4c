#include <QComboBox>
#include <QFrame>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <functional>
#include <memory>

#include "course/grades.h"
#include "home/home_layout_gui.h"
#include "home/level_columns_gui.h"
#include "home/record_list_area_gui.h"
#include "platform/geometry.h"
#include "widgets/controls_gui.h"
#include "widgets/program_state.h"

// The controls of the record-list area and what runs their handlers.

using namespace homelayout;

namespace {

// Runs `handler` once for each time the option is chosen: a click (mouse or keys, also on
// the option already selected) at once; a toggle without a click (a screen reader's
// toggle action) from the event loop, once the toggle is done.
void onChosen(QRadioButton* option, QObject* context, std::function<void()> handler) {
    auto toggledAlone = std::make_shared<bool>(false);
    QObject::connect(option, &QAbstractButton::toggled, context,
                     [context, handler, toggledAlone](bool on) {
                         if (!on) return;
                         *toggledAlone = true;
                         QTimer::singleShot(0, context, [handler, toggledAlone] {
                             if (!*toggledAlone) return;
                             *toggledAlone = false;
                             handler();
                         });
                     });
    QObject::connect(option, &QAbstractButton::clicked, context, [handler, toggledAlone] {
        *toggledAlone = false;
        handler();
    });
}

}  // namespace

RecordListArea::RecordListArea(QWidget* screen, ProgramState& state, ScreenFlow& flow,
                               LevelColumns* columns)
    : QObject(screen), screen_(screen), state_(state), flow_(flow), columns_(columns) {
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
        listKind_[k]->setFont(widgets::gothicFont(10.5));
        listKind_[k]->setGeometry(twRect(k * 2160, 0, 2040, 360));
        onChosen(listKind_[k], this, [this, k] { chooseKind(k); });
    }
    const char* choices[4] = {"", "BEST表示", "本日のみ", "すべて"};
    auto* choiceGroup = new QWidget(choicePanel_);
    choiceGroup->setObjectName(QStringLiteral("Option1Group"));
    choiceGroup->setGeometry(twRect(0, 480, 9600, 360));
    for (int k = 1; k <= 3; ++k) {
        listChoice_[k] = new QRadioButton(QString::fromUtf8(choices[k]), choiceGroup);
        listChoice_[k]->setObjectName(indexed("Option1", k));
        listChoice_[k]->setFont(widgets::gothicFont(10.5));
        listChoice_[k]->setGeometry(twRect((k - 1) * 2160, 0, 2040, 360));
        onChosen(listChoice_[k], this, [this, k] { chooseList(k); });
    }

    gradeGroup_ = new QComboBox(choicePanel_);
    gradeGroup_->setObjectName(QStringLiteral("Combo1"));
    gradeGroup_->setToolTip(QStringLiteral("表示する学年を選びます"));
    gradeGroup_->setGeometry(twRect(0, 960, 2400, 360));
    gradeGroup_->addItems(rankingGradeGroups());
    gradeGroup_->setCurrentIndex(0);
    connect(gradeGroup_, &QComboBox::activated, this, [this] {
        rerunCurrent();
        if (QPushButton* first = columns_->startButton(1)) first->setFocus();
    });

    studentChoice_ = new QComboBox(choicePanel_);
    studentChoice_->setObjectName(QStringLiteral("Combo2"));
    studentChoice_->setGeometry(twRect(2640, 960, 2400, 360));
    studentChoice_->hide();
    connect(studentChoice_, &QComboBox::activated, this, [this] {
        if (listChoice_[3]->isChecked()) chooseList(3);
    });

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
    printButton_ = makeButton(choicePanel_, QStringLiteral("Command20"), QStringLiteral("印刷"),
                              twRect(0, 2040, 1440, 420), 9);
    showOneButton_ = makeButton(choicePanel_, QStringLiteral("Command26"), QStringLiteral("表示１"),
                                twRect(1560, 2040, 1440, 420), 9);
    for (QPushButton* b :
         {todayButton_, bestButton_, allButton_, personalButton_, printButton_, showOneButton_})
        b->hide();
    const auto run = [this](QPushButton* button, void (RecordListArea::*handler)()) {
        connect(button, &QPushButton::clicked, this, handler);
    };
    run(todayButton_, &RecordListArea::showToday);
    run(bestButton_, &RecordListArea::showBestTimes);
    run(allButton_, &RecordListArea::showAllRuns);
    run(personalButton_, &RecordListArea::showOwnRuns);
    for (int level = 1; level <= columns_->levelCount(); ++level) {
        if (auto* ranking = screen_->findChild<QPushButton*>(indexed("Command3", level))) {
            connect(ranking, &QPushButton::clicked, this, [this, level] { showRankingOf(level); });
        }
    }
    studentRow_.assign(static_cast<size_t>(columns_->levelCount()) + 1, -1);
}
