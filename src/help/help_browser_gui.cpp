#include "help/help_browser_gui.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QStyle>
#include <QTimer>
#include <QToolBar>
#include <QUrl>
#include <QVBoxLayout>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineView>
#include <exception>

#include "app/catalogue.h"
#include "app/screens.h"
#include "app/shared_state.h"
#include "platform/full_screen_gui.h"
#include "platform/geometry.h"

namespace {

const QString kConnecting = QStringLiteral("接続中...");

QPointer<HelpBrowser>& currentWindow() {
    static QPointer<HelpBrowser> window;
    return window;
}

// The browser's own failures never reach the student: a handler that fails stops there.
template <class F>
void quietly(F&& f) {
    try {
        f();
    } catch (const std::exception&) {
    }
}

struct ToolButton {
    const char* key;
    const char* tip;
    const char* themeIcon;
    QStyle::StandardPixmap standardIcon;
};

const ToolButton kToolButtons[] = {
    {"Back", "戻る", "go-previous", QStyle::SP_ArrowBack},
    {"Forward", "進む", "go-next", QStyle::SP_ArrowForward},
    {"Refresh", "最新の情報に更新", "view-refresh", QStyle::SP_BrowserReload},
    {"Home", "ホーム (ヘルプの目次)", "go-home", QStyle::SP_DirHomeIcon},
    {"Search", "ページ内を検索", "edit-find", QStyle::SP_FileDialogContentsView},
    {"Stop", "中止", "process-stop", QStyle::SP_BrowserStop},
};

// The help pages need no cache, cookies or storage on disk: a profile kept in memory
// starts faster and leaves nothing behind.
QWebEngineProfile* helpProfile() {
    static QWebEngineProfile* profile = new QWebEngineProfile(qApp);
    return profile;
}

}  // namespace

HelpBrowser::HelpBrowser() {
    setObjectName(QStringLiteral("frmBrowser"));
    setAttribute(Qt::WA_DeleteOnClose);
    resize(platform::twRect(0, 0, 13500, 10500).size());

    tbToolBar = new QToolBar(this);
    tbToolBar->setObjectName(QStringLiteral("tbToolBar"));
    tbToolBar->setToolButtonStyle(Qt::ToolButtonIconOnly);
    for (const ToolButton& button : kToolButtons) {
        const QString key = QString::fromLatin1(button.key);
        const QIcon icon = QIcon::fromTheme(QString::fromLatin1(button.themeIcon),
                                            style()->standardIcon(button.standardIcon));
        QAction* action = tbToolBar->addAction(icon, key);
        action->setObjectName(key);
        action->setToolTip(QString::fromUtf8(button.tip));
        connect(action, &QAction::triggered, this, [this, key] { toolButton(key); });
    }

    picAddress = new QWidget(this);
    picAddress->setObjectName(QStringLiteral("picAddress"));
    lblAddress = new QLabel(QStringLiteral("ｱﾄﾞﾚｽ(&A):"), picAddress);
    lblAddress->setObjectName(QStringLiteral("lblAddress"));
    cboAddress = new QComboBox(picAddress);
    cboAddress->setObjectName(QStringLiteral("cboAddress"));
    cboAddress->setEditable(true);
    cboAddress->setInsertPolicy(QComboBox::NoInsert);
    cboAddress->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    lblAddress->setBuddy(cboAddress);
    auto* addressLayout = new QVBoxLayout(picAddress);
    addressLayout->setContentsMargins(3, 0, 3, 0);
    addressLayout->setSpacing(1);
    addressLayout->addWidget(lblAddress);
    addressLayout->addWidget(cboAddress);

    // The browser itself is made once the window has been painted (see showAndLoad).
    browserArea_ = new QWidget(this);
    browserArea_->setObjectName(QStringLiteral("browserArea"));
    auto* browserLayout = new QVBoxLayout(browserArea_);
    browserLayout->setContentsMargins(0, 0, 0, 0);

    timTimer = new QTimer(this);
    timTimer->setObjectName(QStringLiteral("timTimer"));
    timTimer->setInterval(1500);

    Picture1 = new QWidget(this);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Command1 = new QPushButton(QStringLiteral("名前選択に戻る"), Picture1);
    Command1->setObjectName(QStringLiteral("Command1"));
    auto* buttonLayout = new QHBoxLayout(Picture1);
    buttonLayout->setContentsMargins(3, 3, 3, 3);
    buttonLayout->addStretch();
    buttonLayout->addWidget(Command1);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    layout->addWidget(tbToolBar);
    layout->addWidget(picAddress);
    layout->addWidget(browserArea_, 1);
    layout->addWidget(Picture1);

    connect(cboAddress, &QComboBox::activated, this, [this](int index) {
        if (updatingList_) return;
        quietly([&] { navigate(cboAddress->itemText(index)); });
    });
    // Enter in the address box acts as choosing the typed address.
    connect(cboAddress->lineEdit(), &QLineEdit::returnPressed, this, [this] {
        if (updatingList_) return;
        quietly([&] { navigate(cboAddress->currentText()); });
    });
    connect(timTimer, &QTimer::timeout, this, [this] { quietly([&] { timerTick(); }); });
    connect(Command1, &QPushButton::clicked, this, &QWidget::close);
}

QWebEngineView* HelpBrowser::view() {
    if (brwWebBrowser) return brwWebBrowser;
    // The engine's first start takes a while; the window is already on the screen.
    brwWebBrowser = new QWebEngineView(browserArea_);
    brwWebBrowser->setObjectName(QStringLiteral("brwWebBrowser"));
    brwWebBrowser->setPage(new QWebEnginePage(helpProfile(), brwWebBrowser));
    browserArea_->layout()->addWidget(brwWebBrowser);
    connect(brwWebBrowser, &QWebEngineView::loadStarted, this,
            [this] { quietly([&] { loadStarted(); }); });
    connect(brwWebBrowser, &QWebEngineView::loadFinished, this,
            [this] { quietly([&] { loadFinished(); }); });
    connect(brwWebBrowser, &QWebEngineView::titleChanged, this, [this] {
        if (!busy_) setWindowTitle(locationName());
    });
    return brwWebBrowser;
}

void HelpBrowser::showAndLoad() {
    show();
    raise();
    activateWindow();
    if (brwWebBrowser) {
        load();
        return;
    }
    // First opening: the page is asked for once the window has been painted, so that the
    // window appears at once and shows "接続中..." while the engine starts.
    setWindowTitle(kConnecting);
    cboAddress->setEditText(shared.helpUrl);
    loadAfterPaint_ = true;
}

bool HelpBrowser::event(QEvent* e) {
    if (e->type() == QEvent::Paint && loadAfterPaint_) {
        loadAfterPaint_ = false;
        QTimer::singleShot(0, this, [this] { quietly([&] { load(); }); });
    }
    return QWidget::event(e);
}

HelpBrowser* HelpBrowser::current() {
    return currentWindow().data();
}

QStringList HelpBrowser::addressList() const {
    QStringList list;
    for (int i = 0; i < cboAddress->count(); ++i) list << cboAddress->itemText(i);
    return list;
}

QString HelpBrowser::locationName() const {
    return brwWebBrowser ? brwWebBrowser->title() : QString();
}

void HelpBrowser::load() {
    if (shared.helpUrl.isEmpty()) return;
    updatingList_ = true;
    if (cboAddress->findText(shared.helpUrl, Qt::MatchExactly) < 0)
        cboAddress->addItem(shared.helpUrl);
    cboAddress->setEditText(shared.helpUrl);
    updatingList_ = false;
    navigate(shared.helpUrl);
}

void HelpBrowser::navigate(const QString& address) {
    const QString text = address.trimmed();
    if (text.isEmpty()) return;
    timTimer->start();
    view()->load(QUrl::fromUserInput(text, shared.programFolder));
}

void HelpBrowser::toolButton(const QString& key) {
    quietly([&] {
        timTimer->start();
        view();
        if (key == QStringLiteral("Back")) {
            brwWebBrowser->back();
        } else if (key == QStringLiteral("Forward")) {
            brwWebBrowser->forward();
        } else if (key == QStringLiteral("Refresh")) {
            brwWebBrowser->reload();
        } else if (key == QStringLiteral("Home")) {
            brwWebBrowser->load(QUrl(catalogue::helpHomePage()));
        } else if (key == QStringLiteral("Search")) {
            findOnPage();
        } else if (key == QStringLiteral("Stop")) {
            timTimer->stop();
            brwWebBrowser->stop();
            setWindowTitle(locationName());
        }
    });
}

void HelpBrowser::findOnPage() {
    // The help is on this machine, not on a site with a search page: search the page shown.
    bool ok = false;
    const QString word =
        QInputDialog::getText(this, QStringLiteral("ページ内を検索"), QStringLiteral("さがす言葉:"),
                              QLineEdit::Normal, QString(), &ok);
    if (ok) brwWebBrowser->findText(word);
}

void HelpBrowser::timerTick() {
    if (busy_) {
        setWindowTitle(kConnecting);
        return;
    }
    timTimer->stop();
    setWindowTitle(locationName());
}

void HelpBrowser::loadStarted() {
    busy_ = true;
    if (timTimer->isActive()) setWindowTitle(kConnecting);
}

void HelpBrowser::loadFinished() {
    busy_ = false;
    if (!broughtToFront_) {
        // The engine's first start can put the window behind the name selection: bring it
        // to the front once its first page is there.
        broughtToFront_ = true;
        raise();
        activateWindow();
    }
    setWindowTitle(locationName());
    const QUrl url = view()->url();
    if (url.isValid() && !url.isEmpty()) putAddressFirst(url.toString());
}

void HelpBrowser::putAddressFirst(const QString& address) {
    updatingList_ = true;
    const int found = cboAddress->findText(address, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (found >= 0) cboAddress->removeItem(found);
    cboAddress->insertItem(0, address);
    cboAddress->setCurrentIndex(0);
    updatingList_ = false;
}

void installHelpBrowserHooks() {
    screens::hooks().showHelpBrowser = [] {
        HelpBrowser* window = HelpBrowser::current();
        if (!window) {
            window = new HelpBrowser;
            currentWindow() = window;
        }
        if (!window->isVisible()) platform::centreOver(window, QApplication::activeWindow());
        window->showAndLoad();
    };
}
