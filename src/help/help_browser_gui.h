#pragma once

#include <QStringList>
#include <QWidget>

class QComboBox;
class QLabel;
class ScreenFlow;
class QPushButton;
class QTimer;
class QToolBar;
class QUrl;
class HelpPageView;

// The help browser: the program's help pages in Qt's rich-text browser, with a toolbar, an
// address box holding the visited addresses (newest first) and a button back to the name
// selection. The caption reads "接続中..." while a page loads, then the page's title. Pages
// come from the folder "help" beside the program, or from the copy compiled into the
// program where that folder or a page is missing; web addresses go to the system's browser.
class HelpBrowser : public QWidget {
    Q_OBJECT
  public:
    explicit HelpBrowser(ScreenFlow& flow);

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

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    // However the window is closed, it makes way (the help window has nothing to keep).
    void closeEvent(QCloseEvent* event) override;

  private:
    void go(const QUrl& url);
    void timerTick();
    void pageShown();
    void putAddressFirst(const QString& address);
    void findOnPage();
    QString locationName() const;

    ScreenFlow& flow_;
    QToolBar* toolBar_;        // tbToolBar
    QWidget* addressPanel_;    // picAddress
    QLabel* addressLabel_;     // lblAddress
    QComboBox* addressBox_;    // cboAddress
    HelpPageView* page_;       // brwWebBrowser
    QTimer* statusTimer_;      // timTimer
    QWidget* buttonPanel_;     // Picture1
    QPushButton* backButton_;  // Command1
    bool updatingList_ = false;
    bool busy_ = false;
    QString address_;
};
