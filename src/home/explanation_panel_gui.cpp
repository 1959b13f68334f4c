#include "home/explanation_panel_gui.h"

#include <QFrame>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include "home/home_layout_gui.h"
#include "home/home_lines.h"
#include "home/step_file.h"
#include "platform/errors.h"
#include "platform/geometry.h"
#include "platform/messages.h"
#include "platform/program.h"
#include "platform/rewrite_failures.h"
#include "widgets/controls_gui.h"

using namespace homelayout;

ExplanationPanel::ExplanationPanel(QWidget* screen) : QObject(screen) {
    using platform::twRect;
    makeLabel(screen, QStringLiteral("Label28"), QStringLiteral("説明"),
              twRect(kRightLeft, kLevelNameTop, kRightWidth, 300), 10.5, true);
    lines_ = new QListWidget(screen);
    lines_->setObjectName(QStringLiteral("List6"));
    lines_->setFont(widgets::gothicFont(10.5));
    lines_->setGeometry(twRect(kRightLeft, 1560, kRightWidth, 5160));

    freePracticeNotice_ = new QFrame(screen);
    freePracticeNotice_->setObjectName(QStringLiteral("Picture10"));
    freePracticeNotice_->setFrameShape(QFrame::Box);
    freePracticeNotice_->setGeometry(twRect(kRightLeft, 6840, kRightWidth, 600));
    QLabel* notice = makeLabel(freePracticeNotice_, QStringLiteral("Label26"),
                               QStringLiteral("規定回数クリア、自由にしてよろしい"),
                               twRect(60, 60, kRightWidth - 120, 480), 10.5, true);
    notice->setWordWrap(true);
    freePracticeNotice_->hide();

    resetStepFile_ =
        makeButton(screen, QStringLiteral("Command15"), QStringLiteral("ステップ.datの初期化"),
                   twRect(kRightLeft, 7560, 3000, 420), 9);
    connect(resetStepFile_, &QPushButton::clicked, this, [] {
        if (platform::rewriteTold(clearStepFile)) platform::msgBox(stepFileClearedText());
    });
}

void ExplanationPanel::showExplanation() {
    lines_->clear();
    lines_->addItems(homelines::explanationLines());
}

void ExplanationPanel::showFreePracticeNotice() {
    freePracticeNotice_->show();
}
