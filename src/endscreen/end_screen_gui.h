#pragma once

#include <QWidget>

class QFrame;
class QLabel;
class QPushButton;
class QTimer;

// The end-of-drill screen: the time, the points, new records and cleared levels of the run
// just recorded, with their sounds; then the way back to the menu or the same level again.
class EndScreen : public QWidget {
    Q_OBJECT
  public:
    EndScreen();
    ~EndScreen() override;

    // The judgement of the run, once per show (the screen runs it when it comes up).
    void evaluate();
    // Half a second after the evaluation: the buttons and the next-level hint.
    void secondPhase();

    // "メニューへ": back to the home screen.
    void backToMenu();
    // "もう一度": the same level again.
    void retry();

    bool evaluated() const { return evaluated_; }

    // The open end screen, if any.
    static EndScreen* current();

  private:
    void buildControls();

    bool evaluated_ = false;
    bool evaluating_ = false;

    QLabel* Image1 = nullptr;
    QLabel* Label13 = nullptr;
    QLabel* Label14 = nullptr;
    QLabel* Label15 = nullptr;
    QLabel* Label16 = nullptr;
    QLabel* Label17 = nullptr;
    QLabel* Label18 = nullptr;
    QLabel* Label19 = nullptr;
    QLabel* Label20 = nullptr;
    QLabel* Label2 = nullptr;
    QFrame* Picture1 = nullptr;
    QLabel* Label1 = nullptr;
    QPushButton* Command4 = nullptr;
    QPushButton* Command5 = nullptr;
    QTimer* Timer1 = nullptr;
};

// Registers the end screen with the screen hooks (show and close).
void installResultScreenHooks();
