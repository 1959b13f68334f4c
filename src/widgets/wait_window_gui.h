#pragma once

#include <QWidget>

class QLabel;

// The please-wait window: a modeless window over the whole screen reading "Just a moment,
// please.", shown while one screen hands over to the next.
class WaitWindow : public QWidget {
    Q_OBJECT
  public:
    explicit WaitWindow(QWidget* parent = nullptr);

  private:
    QLabel* message_;  // Label19

  protected:
    // The window system's close (Alt+F4) is refused: the window goes when its wait is over.
    void closeEvent(QCloseEvent* event) override;
};
