#pragma once

#include <QStringList>
#include <QWidget>

class QAction;
class QComboBox;
class QLabel;
class QPushButton;
class QTimer;
class QToolBar;
class QWebEngineView;

// The help browser: the program's help pages in an embedded browser, with a toolbar, an
// address box holding the visited addresses (newest first) and a button back to the name
// selection. The caption reads "接続中..." while a page loads, then the page's title.
class HelpBrowser : public QWidget {
    Q_OBJECT
  public:
    HelpBrowser();

    // Shows the window and goes to the address.
    void showAndLoad(const QString& address);
    // Goes to the address last asked for (nothing when it is empty) and puts it into the
    // address box.
    void load();
    // Goes to an address typed or chosen in the address box.
    void navigate(const QString& address);
    // A toolbar button by its key: "Back", "Forward", "Refresh", "Home", "Search", "Stop".
    void toolButton(const QString& key);

    bool busy() const { return busy_; }
    QStringList addressList() const;
    static HelpBrowser* current();

  protected:
    bool event(QEvent* e) override;
    // However the window is closed, it makes way (the help window has nothing to keep).
    void closeEvent(QCloseEvent* event) override;

  private:
    // The embedded browser, made on first use.
    QWebEngineView* view();
    void timerTick();
    void loadStarted();
    void loadFinished();
    void putAddressFirst(const QString& address);
    void findOnPage();
    QString locationName() const;

    QToolBar* tbToolBar;
    QWidget* picAddress;
    QLabel* lblAddress;
    QComboBox* cboAddress;
    QWidget* browserArea_;
    QWebEngineView* brwWebBrowser = nullptr;
    QTimer* timTimer;
    QWidget* Picture1;
    QPushButton* Command1;
    bool updatingList_ = false;
    bool busy_ = false;
    bool broughtToFront_ = false;
    bool loadAfterPaint_ = false;
    QString address_;
};
