#include "roster/name_change_gui.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <algorithm>

#include "app/screens.h"
#include "app/shared_state.h"
#include "platform/controls_gui.h"
#include "platform/full_screen_gui.h"
#include "platform/geometry.h"
#include "platform/messages.h"
#include "platform/program.h"
#include "roster/name_change.h"

namespace {

using platform::makeLabel;

const QString kGothic = QStringLiteral("ＭＳ ゴシック");

// Rows start below the headings and are this far apart (twips).
constexpr int kRowTop = 1500;
constexpr int kRowPitch = 700;

QPointer<NameChangeWindow>& currentWindow() {
    static QPointer<NameChangeWindow> window;
    return window;
}

void setColours(QWidget* w, QRgb back, QColor text) {
    w->setAutoFillBackground(true);
    QPalette pal = w->palette();
    pal.setColor(QPalette::Window, QColor(back));
    pal.setColor(QPalette::WindowText, text);
    w->setPalette(pal);
}

QPushButton* makeButton(QWidget* parent, const char* name, const QString& text, const QRect& rect) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(rect);
    button->setFont(platform::programFont(kGothic, 14, true));
    return button;
}

}  // namespace

NameChangeWindow::NameChangeWindow() {
    using platform::twRect;
    setObjectName(QStringLiteral("FrmName2"));
    setWindowTitle(QStringLiteral("Quillmark5"));
    setAttribute(Qt::WA_DeleteOnClose);
    setColours(this, shared.screenBackColor, Qt::white);

    Label4 = makeLabel(this, "Label4", QStringLiteral("名前変更"), twRect(360, 150, 6000, 700), 22,
                       true);
    Label1 = makeLabel(this, "Label1", QStringLiteral("生まれた年"), twRect(360, 950, 2000, 450),
                       12, true);
    Label2 =
        makeLabel(this, "Label2", QStringLiteral("名前"), twRect(2700, 950, 2000, 450), 12, true);
    Label3 =
        makeLabel(this, "Label3", QStringLiteral("※生まれた年は早生まれの場合は1年引いてください"),
                  QRect(), 11);
    Command1 = makeButton(this, "Command1", QStringLiteral("変更"), QRect());
    Command2 = makeButton(this, "Command2", QStringLiteral("もどる"), QRect());
    connect(Command1, &QPushButton::clicked, this,
            [this] { platform::guarded([this] { writeNames(); }); });
    connect(Command2, &QPushButton::clicked, this,
            [this] { platform::guarded([this] { goBack(); }); });
    buildRows(0);
}

NameChangeWindow* NameChangeWindow::current() {
    return currentWindow().data();
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
        year->setFont(platform::programFont(kGothic, 16));
        year->setMaxLength(11);
        // The input method is left to the system: the window system has no per-box switch.
        auto* name = new QLineEdit(this);
        name->setObjectName(QStringLiteral("Text1_%1").arg(i));
        name->setGeometry(twRect(2700, top, 5400, 560));
        name->setFont(platform::programFont(kGothic, 16));
        name->setMaxLength(kRosterTextLength);
        birthYearBoxes_.push_back(year);
        nameBoxes_.push_back(name);
        year->show();
        name->show();
    }
    const int below = kRowTop + std::max(count, 1) * kRowPitch + 100;
    Label3->setGeometry(twRect(360, below, 7800, 450));
    Command1->setGeometry(twRect(1800, below + 650, 2100, 700));
    Command2->setGeometry(twRect(4500, below + 650, 2100, 700));
    setFixedSize(twRect(0, 0, 8700, below + 1650).size());
    // Tab runs through each row's birth year and name, then the buttons.
    QWidget* previous = nullptr;
    for (int i = 0; i < count; ++i) {
        if (previous) setTabOrder(previous, birthYearBoxes_[i]);
        setTabOrder(birthYearBoxes_[i], nameBoxes_[i]);
        previous = nameBoxes_[i];
    }
    if (previous) setTabOrder(previous, Command1);
    setTabOrder(Command1, Command2);
}

void NameChangeWindow::load() {
    const std::vector<RosterLine> lines = readRosterFile(rosterPath());
    const int count = nameChangeRowCount(static_cast<int>(lines.size()));
    buildRows(count);
    for (int i = 0; i < count; ++i) {
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
    const QString refusal = changeNames(rows);
    if (!refusal.isEmpty()) platform::msgBox(refusal);
}

void NameChangeWindow::goBack() {
    close();
}

void NameChangeWindow::closeEvent(QCloseEvent* event) {
    QWidget::closeEvent(event);
    if (currentWindow() == this) currentWindow() = nullptr;
    // However the window is closed, the name selection comes back and reads the roster
    // again.
    if (!platform::programEnding()) platform::guarded([] { screens::showNameSelection(); });
}

void installNameChangeHooks() {
    screens::hooks().showNameChange = [] {
        NameChangeWindow* window = NameChangeWindow::current();
        if (!window) window = new NameChangeWindow;
        try {
            window->load();
        } catch (...) {
            if (!window->isVisible()) delete window;
            throw;
        }
        currentWindow() = window;
        if (!window->isVisible()) platform::centreOver(window, QApplication::activeWindow());
        window->show();
        window->raise();
        window->activateWindow();
    };
}
