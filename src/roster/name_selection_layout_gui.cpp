#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

#include "course/grades.h"
#include "platform/geometry.h"
#include "roster/name_selection_gui.h"
#include "state/settings.h"
#include "widgets/controls_gui.h"
#include "widgets/pending_runs_line_gui.h"

// The name selection's controls and where they stand; what they do is in
// name_selection_gui.cpp.

namespace {

using widgets::makeLabel;

void setBackground(QWidget* w, QRgb color) {
    widgets::setColors(w, QColor(color), Qt::white, true);
}

// The name selection's buttons take the focus by Tab only, as on the Windows machines.
QPushButton* tabButton(QWidget* parent, const char* name, const QString& text, const QRect& rect,
                       double points, bool bold = false) {
    QPushButton* button =
        widgets::makeButton(parent, QString::fromLatin1(name), text, rect, points, bold);
    button->setFocusPolicy(Qt::TabFocus);
    return button;
}

QListWidget* makeList(QWidget* parent, const char* name) {
    auto* list = new QListWidget(parent);
    list->setObjectName(QString::fromLatin1(name));
    return list;
}

}  // namespace

void NameSelection::buildControls() {
    using platform::twRect;
    central_ = new QWidget(this);
    central_->setObjectName(QStringLiteral("namesel_client"));
    setCentralWidget(central_);
    setBackground(central_, state::settings().screenBackColor);

    title_ = makeLabel(central_, "Label4", QString(), twRect(600, 120, 9600, 1200), 48, true);
    widgets::setTextColor(title_, QColor(255, 255, 128));

    names_ = makeList(central_, "List1");
    names_->setGeometry(twRect(600, 1500, 8400, 8700));
    names_->setFont(widgets::gothicFont(16));
    names_->setFocusPolicy(Qt::StrongFocus);
    sortKeys_ = makeList(central_, "List2");   // sort rows, kept in order
    rowTexts_ = makeList(central_, "List3");   // display text, "*" and student number
    spareList_ = makeList(central_, "List4");  // spare
    for (QListWidget* hidden : {sortKeys_, rowTexts_, spareList_}) hidden->hide();
    pendingLine_ = new PendingRunsLine(central_, twRect(600, 10250, 8400, 450));

    helpHeading_ = makeLabel(central_, "Label13", QStringLiteral("オンラインヘルプ"),
                             twRect(10500, 200, 4500, 400), 12, true);
    help1Button_ = tabButton(central_, "Command15", QStringLiteral("使用法の説明１"),
                             twRect(10500, 650, 2300, 560), 10);
    help1Note_ = makeLabel(central_, "Label15",
                           QStringLiteral("名前の変更、名前の選択、レベルの選択、登録など"),
                           twRect(12900, 620, 2300, 900), 9);
    help1Note_->setWordWrap(true);
    help2Button_ = tabButton(central_, "Command17", QStringLiteral("使用法の説明2"),
                             twRect(10500, 1600, 2300, 560), 10);
    help2Note_ = makeLabel(central_, "Label16", QStringLiteral("このソフトの勉強の仕方"),
                           twRect(12900, 1570, 2300, 600), 9);
    help2Note_->setWordWrap(true);

    chosenName_ = makeLabel(central_, "Label1", prompt(), twRect(9300, 2600, 5700, 700), 18, true);
    widgets::setColors(chosenName_, Qt::white, Qt::black, true);
    chosenNumber_ = makeLabel(central_, "Label2", QString(), twRect(9300, 3300, 1500, 300), 9);
    chosenNumber_->hide();

    okButton_ = tabButton(central_, "Command14", QStringLiteral("O.K."),
                          twRect(9300, 3500, 2700, 1000), 20, true);
    picture_ = new QLabel(central_);
    picture_->setObjectName(QStringLiteral("Image1"));
    picture_->setGeometry(twRect(12600, 3500, 1000, 1000));
    picture_->setScaledContents(true);

    gradeGroup_ = new QComboBox(central_);
    gradeGroup_->setObjectName(QStringLiteral("Combo1"));
    gradeGroup_->setGeometry(twRect(9300, 4900, 3000, 480));
    gradeGroup_->setFont(widgets::gothicFont(12));
    // The groups are added once; the box starts with "全学年".
    gradeGroup_->addItems(gradeGroups());
    gradeGroup_->setCurrentIndex(0);

    modePanel_ = new QFrame(central_);
    modePanel_->setObjectName(QStringLiteral("Picture7"));
    modePanel_->setGeometry(twRect(9300, 5600, 5700, 2300));
    modePanel_->setFrameShape(QFrame::Box);
    static const char* const kModeCaptions[4] = {"回数(今日／今まで）", "ポイント（今日／今まで）",
                                                 "本日（ポイント／回数）",
                                                 "今まで（ポイント／回数）"};
    for (int i = 0; i < 4; ++i) {
        auto* option = new QRadioButton(QString::fromUtf8(kModeCaptions[i]), modePanel_);
        option->setObjectName(QStringLiteral("Option1_%1").arg(i));
        option->setGeometry(twRect(150, 120 + i * 520, 5400, 480));
        option->setFont(widgets::gothicFont(12));
        widgets::setTextColor(option, Qt::white);
        modeOptions_[i] = option;
    }
    modeOptions_[1]->setChecked(true);

    nameChangeButton_ = tabButton(central_, "Command16", QStringLiteral("名前の変更"),
                                  twRect(9300, 8300, 2700, 700), 12);
    endButton_ = tabButton(central_, "Command7", QStringLiteral("終了"),
                           twRect(12300, 8300, 2700, 700), 12, true);
    printButton_ =
        tabButton(central_, "Command1", QStringLiteral("印刷"), twRect(9300, 9200, 2700, 600), 12);
    printButton_->hide();

    // The please-wait cover over the whole window.
    waitPanel_ = new QFrame(central_);
    waitPanel_->setObjectName(QStringLiteral("Picture5"));
    waitPanel_->setGeometry(twRect(0, 0, 15360, 11520));
    setBackground(waitPanel_, state::settings().screenBackColor);
    waitText_ = makeLabel(waitPanel_, "Label19", QStringLiteral("Just a moment, please."),
                          twRect(0, 4800, 15360, 900), 20, true);
    waitText_->setAlignment(Qt::AlignCenter);
    waitPanel_->raise();
}

void NameSelection::colourBackground() {
    setBackground(central_, state::settings().screenBackColor);
    setBackground(waitPanel_, state::settings().screenBackColor);
}
