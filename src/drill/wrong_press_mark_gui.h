#pragma once

#include <QWidget>

class QLabel;
class QTimer;

// What a wrong press shows, for a child who does not hear it: a red cross over the pressed
// card, and the time highlighted with the ten seconds it costs, for half a second. It only
// shows: judging and the clock are the drill's.
class WrongPressMark : public QWidget {
    Q_OBJECT
  public:
    static constexpr int kShownMs = 500;
    // Shows the mark over `card` and highlights `timeLabel` (the elapsed seconds). A wrong
    // press while it shows moves it to the new card and starts the half second again.
    static void showOn(QWidget* card, QLabel* timeLabel);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    WrongPressMark(QWidget* cardArea, QLabel* timeLabel);
    void highlightTime(bool on);

    QLabel* timeLabel_;
    QLabel* penalty_;
    QTimer* timer_;
    QPalette timePalette_;
};
