#include "help/help_browser_gui.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QFileInfo>
#include <QInputDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTextBrowser>
#include <QTimer>
#include <QToolBar>
#include <QUrl>
#include <QVBoxLayout>
#include <exception>

#include "course/catalogue.h"
#include "help/browser_icons_gui.h"
#include "help/help_address.h"
#include "platform/full_screen_gui.h"
#include "platform/geometry.h"
#include "platform/shell.h"
#include "state/settings.h"
#include "widgets/screen_navigator_gui.h"

namespace {

const QString kConnecting = QStringLiteral("接続中...");

struct ToolButton {
    const char* key;
    const char* tip;
    help::BrowserIcon icon;
};

const ToolButton kToolButtons[] = {
    {"Back", "戻る", help::BrowserIcon::Back},
    {"Forward", "進む", help::BrowserIcon::Forward},
    {"Refresh", "最新の情報に更新", help::BrowserIcon::Refresh},
    {"Home", "ホーム (ヘルプの目次)", help::BrowserIcon::Home},
    {"Search", "ページ内を検索", help::BrowserIcon::Search},
    {"Stop", "中止", help::BrowserIcon::Stop},
};

QUrl helpFolder() {
    return QUrl(catalogue::helpSite());
}

// Only plain files of a reasonable size are read: an address typed by hand may name a
// device ("/dev/zero") or a huge file, which would be read whole.
bool readable(const QUrl& url) {
    if (!url.isLocalFile()) return true;
    const QFileInfo file(url.toLocalFile());
    return file.isFile() && file.size() <= 16 * 1024 * 1024;
}

bool hasData(const QVariant& data) {
    return data.isValid() && !data.toByteArray().isEmpty();
}

QString notFoundPage(const QUrl& url) {
    return QStringLiteral(
               "<html><head><title>ページが見つかりません</title></head><body>"
               "<h2>ページが見つかりません</h2><p>%1</p>"
               "<p>アドレスを確かめてください。<a href=\"%2\">ヘルプの目次</a></p></body></html>")
        .arg(url.toDisplayString().toHtmlEscaped(), catalogue::helpHomePage().toHtmlEscaped());
}

}  // namespace

// Qt's rich-text browser reading each page and picture from the help folder first and
// from the compiled-in copy when the file is missing; an address found in neither shows
// a short page that names it.
class HelpPageView : public QTextBrowser {
  public:
    explicit HelpPageView(QWidget* parent) : QTextBrowser(parent) {
        // Links are followed by the window: web addresses go to the system's browser.
        setOpenLinks(false);
        setOpenExternalLinks(false);
        document()->setDocumentMargin(10);
    }

  protected:
    QVariant loadResource(int type, const QUrl& name) override {
        // A page is asked for by its whole address; its pictures and style sheet by
        // addresses relative to it.
        const bool page =
            type != QTextDocument::ImageResource && type != QTextDocument::StyleSheetResource;
        if (page && !name.isRelative()) page_ = name;
        const QUrl url = name.isRelative() ? page_.resolved(name) : name;
        QVariant data;
        if (readable(url)) data = QTextBrowser::loadResource(type, url);
        if (!hasData(data)) {
            const QUrl copy = help::builtInCopy(url, helpFolder());
            if (copy.isValid()) data = QTextBrowser::loadResource(type, copy);
        }
        if (!hasData(data) && page) data = notFoundPage(url);
        return data;
    }

  private:
    QUrl page_;
};

HelpBrowser::HelpBrowser(ScreenFlow& flow) : flow_(flow) {
    setObjectName(QStringLiteral("frmBrowser"));
    resize(platform::twRect(0, 0, 13500, 10500).size());

    toolBar_ = new QToolBar(this);
    toolBar_->setObjectName(QStringLiteral("tbToolBar"));
    toolBar_->setToolButtonStyle(Qt::ToolButtonIconOnly);
    for (const ToolButton& button : kToolButtons) {
        const QString key = QString::fromLatin1(button.key);
        QAction* action = toolBar_->addAction(help::browserIcon(button.icon), key);
        action->setObjectName(key);
        action->setToolTip(QString::fromUtf8(button.tip));
        connect(action, &QAction::triggered, this, [this, key] { toolButton(key); });
    }

    addressPanel_ = new QWidget(this);
    addressPanel_->setObjectName(QStringLiteral("picAddress"));
    addressLabel_ = new QLabel(QStringLiteral("ｱﾄﾞﾚｽ(&A):"), addressPanel_);
    addressLabel_->setObjectName(QStringLiteral("lblAddress"));
    addressBox_ = new QComboBox(addressPanel_);
    addressBox_->setObjectName(QStringLiteral("cboAddress"));
    addressBox_->setEditable(true);
    addressBox_->setInsertPolicy(QComboBox::NoInsert);
    addressBox_->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    addressLabel_->setBuddy(addressBox_);
    auto* addressLayout = new QVBoxLayout(addressPanel_);
    addressLayout->setContentsMargins(3, 0, 3, 0);
    addressLayout->setSpacing(1);
    addressLayout->addWidget(addressLabel_);
    addressLayout->addWidget(addressBox_);

    page_ = new HelpPageView(this);
    page_->setObjectName(QStringLiteral("brwWebBrowser"));

    statusTimer_ = new QTimer(this);
    statusTimer_->setObjectName(QStringLiteral("timTimer"));
    statusTimer_->setInterval(1500);

    buttonPanel_ = new QWidget(this);
    buttonPanel_->setObjectName(QStringLiteral("Picture1"));
    backButton_ = new QPushButton(QStringLiteral("名前選択に戻る"), buttonPanel_);
    backButton_->setObjectName(QStringLiteral("Command1"));
    auto* buttonLayout = new QHBoxLayout(buttonPanel_);
    buttonLayout->setContentsMargins(3, 3, 3, 3);
    buttonLayout->addStretch();
    buttonLayout->addWidget(backButton_);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    layout->addWidget(toolBar_);
    layout->addWidget(addressPanel_);
    layout->addWidget(page_, 1);
    layout->addWidget(buttonPanel_);

    connect(addressBox_, &QComboBox::activated, this, [this](int index) {
        if (updatingList_) return;
        navigate(addressBox_->itemText(index));
    });
    // Enter in the address box goes to the typed address (see eventFilter).
    addressBox_->installEventFilter(this);
    addressBox_->lineEdit()->installEventFilter(this);
    connect(page_, &QTextBrowser::anchorClicked, this,
            [this](const QUrl& link) { go(page_->source().resolved(link)); });
    connect(page_, &QTextBrowser::sourceChanged, this, &HelpBrowser::pageShown);
    connect(statusTimer_, &QTimer::timeout, this, &HelpBrowser::timerTick);
    connect(backButton_, &QPushButton::clicked, this, [this] { flow_.closeHelp(true); });
}

bool HelpBrowser::eventFilter(QObject* watched, QEvent* event) {
    // Taken here, once, whether the box or its line edit has the key: the line edit would
    // report Enter, then hand the key on to the box, which reports it again and also
    // chooses a list entry of the same text.
    if ((watched == addressBox_ || watched == addressBox_->lineEdit()) &&
        event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            if (!updatingList_) navigate(addressBox_->currentText());
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void HelpBrowser::showAndLoad(const QString& address) {
    address_ = address;
    show();
    raise();
    activateWindow();
    load();
}

void HelpBrowser::closeEvent(QCloseEvent* event) {
    event->accept();
    // The window system's close is the way back as well.
    flow_.closeHelp(event->spontaneous());
}

QStringList HelpBrowser::addressList() const {
    QStringList list;
    for (int i = 0; i < addressBox_->count(); ++i) list << addressBox_->itemText(i);
    return list;
}

QString HelpBrowser::locationName() const {
    const QString title = page_->documentTitle();
    return title.isEmpty() ? page_->source().toDisplayString() : title;
}

void HelpBrowser::load() {
    if (address_.isEmpty()) return;
    updatingList_ = true;
    if (addressBox_->findText(address_, Qt::MatchExactly) < 0) addressBox_->addItem(address_);
    addressBox_->setEditText(address_);
    updatingList_ = false;
    navigate(address_);
}

void HelpBrowser::navigate(const QString& address) {
    const QUrl url = help::typedAddress(address, helpFolder());
    if (!url.isEmpty()) go(url);
}

void HelpBrowser::go(const QUrl& url) {
    if (help::isWebAddress(url)) {
        platform::openInBrowser(url.toString());
        return;
    }
    statusTimer_->start();
    busy_ = true;
    setWindowTitle(kConnecting);
    page_->setSource(url);
    busy_ = false;
    pageShown();
}

void HelpBrowser::toolButton(const QString& key) {
    statusTimer_->start();
    if (key == QStringLiteral("Back")) {
        page_->backward();
    } else if (key == QStringLiteral("Forward")) {
        page_->forward();
    } else if (key == QStringLiteral("Refresh")) {
        page_->reload();
    } else if (key == QStringLiteral("Home")) {
        go(QUrl(catalogue::helpHomePage()));
    } else if (key == QStringLiteral("Search")) {
        findOnPage();
    } else if (key == QStringLiteral("Stop")) {
        statusTimer_->stop();
        busy_ = false;
        setWindowTitle(locationName());
    }
}

void HelpBrowser::findOnPage() {
    // The help is on this machine, not on a site with a search page: search the page shown.
    bool ok = false;
    const QString word =
        QInputDialog::getText(this, QStringLiteral("ページ内を検索"), QStringLiteral("さがす言葉:"),
                              QLineEdit::Normal, QString(), &ok);
    if (!ok || word.isEmpty()) return;
    // From the place shown on, then once more from the top of the page.
    if (page_->find(word)) return;
    page_->moveCursor(QTextCursor::Start);
    if (!page_->find(word)) QApplication::beep();
}

void HelpBrowser::timerTick() {
    if (busy_) {
        setWindowTitle(kConnecting);
        return;
    }
    statusTimer_->stop();
    setWindowTitle(locationName());
}

void HelpBrowser::pageShown() {
    if (busy_) return;
    setWindowTitle(locationName());
    const QUrl url = page_->source();
    if (url.isValid() && !url.isEmpty()) putAddressFirst(url.toString());
}

void HelpBrowser::putAddressFirst(const QString& address) {
    updatingList_ = true;
    const int found = addressBox_->findText(address, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (found >= 0) addressBox_->removeItem(found);
    addressBox_->insertItem(0, address);
    addressBox_->setCurrentIndex(0);
    updatingList_ = false;
}
