#pragma once

#include <QObject>

class QFrame;
class QListWidget;
class QPushButton;
class QWidget;

// The explanation panel at the right of the home screen: what to do next, the notice that
// the required runs are done, and the button that resets "ステップ原.dat".
class ExplanationPanel : public QObject {
    Q_OBJECT
  public:
    explicit ExplanationPanel(QWidget* screen);

    // Refills the explanation lines.
    void showExplanation();
    // Shows the notice that the student may now practise freely.
    void showFreePracticeNotice();

  private:
    QListWidget* lines_ = nullptr;          // List6
    QFrame* freePracticeNotice_ = nullptr;  // Picture10
    QPushButton* resetStepFile_ = nullptr;  // Command15
};
