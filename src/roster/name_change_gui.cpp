#include "roster/name_change_gui.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <algorithm>

#include "platform/clock.h"
#include "platform/full_screen_gui.h"
#include "platform/geometry.h"
#include "platform/messages.h"
#include "platform/program.h"
#include "state/roster.h"
#include "state/settings.h"
#include "widgets/controls_gui.h"
#include "widgets/screen_navigator_gui.h"

namespace {

using widgets::makeLabel;

// Rows start below the headings and are this far apart (twips).
constexpr int kRowTop = 1500;
constexpr int kRowPitch = 700;

}  // namespace

NameChangeWindow::NameChangeWindow(ScreenFlow& flow) : flow_(flow) {
    using platform::twRect;
    setObjectName(QStringLiteral("FrmName2"));
    widgets::setProgramTitle(this);
    widgets::setColors(this, QColor(state::settings().screenBackColor), Qt::white, true);

    title_ = makeLabel(this, "Label4", QStringLiteral("名前変更"), twRect(360, 150, 6000, 700), 22,
                       true);
    birthYearHeading_ = makeLabel(this, "Label1", QStringLiteral("生まれた年"),
                                  twRect(360, 950, 2000, 450), 12, true);
    nameHeading_ =
        makeLabel(this, "Label2", QStringLiteral("名前"), twRect(2700, 950, 2000, 450), 12, true);
    earlyBirthNote_ =
        makeLabel(this, "Label3", QStringLiteral("※生まれた年は早生まれの場合は1年引いてください"),
                  QRect(), 11);
    emptyHint_ = widgets::makeLabel(this, QStringLiteral("EmptyHint"),
                                    QStringLiteral("名簿に有効な生徒がいません。\n"
                                                   "生徒は「narabitouch-setup student add」で加え、"
                                                   "やめた生徒は「student restore」でもどします。"),
                                    twRect(360, kRowTop, 7800, 2 * kRowPitch), 11);
    emptyHint_->setWordWrap(true);
    savedNote_ = widgets::makeLabel(this, QStringLiteral("SavedNote"), QString(), QRect(), 11);
    changeButton_ = widgets::makeButton(this, QStringLiteral("Command1"), QStringLiteral("変更"),
                                        QRect(), 14, true);
    backButton_ = widgets::makeButton(this, QStringLiteral("Command2"), QStringLiteral("もどる"),
                                      QRect(), 14, true);
    connect(changeButton_, &QPushButton::clicked, this, [this] { writeNames(); });
    connect(backButton_, &QPushButton::clicked, this, [this] { goBack(); });
    buildRows(0);
}

void NameChangeWindow::buildRows(int count) {
    using platform::twRect;
    for (QLineEdit* box : birthYearBoxes_) delete box;
    for (QLineEdit* box : nameBoxes_) delete box;
    birthYearBoxes_.clear();
    nameBoxes_.clear();
    for (int i = 1; i <= count; ++i) {
        const int top = kRowTop + (i - 1) * kRowPitch;
        auto* year = new QLineEdit(this);
        year->setObjectName(QStringLiteral("Text2_%1").arg(i));
        year->setGeometry(twRect(360, top, 2000, 560));
        year->setFont(widgets::gothicFont(16));
        // Years are typed with the input method off; names leave it to the system, which
        // has no per-box hiragana mode. Neither box has a length limit that would cut what
        // is typed or pasted: the rules refuse what cannot be stored.
        year->setAttribute(Qt::WA_InputMethodEnabled, false);
        auto* name = new QLineEdit(this);
        name->setObjectName(QStringLiteral("Text1_%1").arg(i));
        name->setGeometry(twRect(2700, top, 5400, 560));
        name->setFont(widgets::gothicFont(16));
        birthYearBoxes_.push_back(year);
        nameBoxes_.push_back(name);
        year->show();
        name->show();
    }
    emptyHint_->setVisible(count == 0);
    const int below = kRowTop + (count == 0 ? 2 : count) * kRowPitch + 100;
    earlyBirthNote_->setGeometry(twRect(360, below, 7800, 450));
    changeButton_->setGeometry(twRect(1800, below + 650, 2100, 700));
    backButton_->setGeometry(twRect(4500, below + 650, 2100, 700));
    savedNote_->setGeometry(twRect(360, below + 1500, 7800, 400));
    setFixedSize(twRect(0, 0, 8700, below + 2050).size());
    // Tab runs through each row's birth year and name, then the buttons.
    QWidget* previous = nullptr;
    for (int i = 0; i < count; ++i) {
        if (previous) setTabOrder(previous, birthYearBoxes_[i]);
        setTabOrder(birthYearBoxes_[i], nameBoxes_[i]);
        previous = nameBoxes_[i];
    }
    if (previous) setTabOrder(previous, changeButton_);
    setTabOrder(changeButton_, backButton_);
}

void NameChangeWindow::load() {
    sheet_ = NameChangeSheet::read(rosterPath());
    const std::vector<RosterLine> lines = sheet_->rowLines();
    buildRows(static_cast<int>(lines.size()));
    showLines(lines);
}

void NameChangeWindow::showLines(const std::vector<RosterLine>& lines) {
    for (size_t i = 0; i < birthYearBoxes_.size() && i < lines.size(); ++i) {
        const RosterEntry& e = lines[i].entry;
        birthYearBoxes_[i]->setText(QString::number(e.birthYear));
        // Shown without the padding, so that typing at the end of a name is not stopped
        // by the spaces that fill it to 20 characters.
        QString name = e.studentName;
        while (name.endsWith(u' ')) name.chop(1);
        nameBoxes_[i]->setText(name);
    }
}

void NameChangeWindow::writeNames() {
    std::vector<NameChangeRow> rows;
    for (size_t i = 0; i < nameBoxes_.size(); ++i)
        rows.push_back({birthYearBoxes_[i]->text(), nameBoxes_[i]->text()});
    savedNote_->clear();
    if (!sheet_) return;
    const QString refusal = sheet_->save(rows, schoolYearToday());
    if (!refusal.isEmpty()) {
        platform::msgBox(refusal);
        return;
    }
    // The boxes show what the roster now holds ("２０１５" as 2015, "〜" as "～").
    showLines(sheet_->rowLines());
    savedNote_->setText(QStringLiteral("名簿を保存しました（%1）")
                            .arg(platform::clock().now().time().toString(u"H:mm:ss")));
}

void NameChangeWindow::goBack() {
    // The name selection comes back and reads the roster again; the flow lets this window
    // go first (the name selection lets events run as it loads, and a press there may ask
    // for a name-change window anew).
    flow_.showNameSelection();
}

void NameChangeWindow::closeEvent(QCloseEvent* event) {
    handleClose(this, event, [this] { goBack(); });
}
