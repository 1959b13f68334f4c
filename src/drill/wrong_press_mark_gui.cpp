#include "drill/wrong_press_mark_gui.h"

#include <QLabel>
#include <QPainter>
#include <QTimer>

#include "widgets/controls_gui.h"

namespace {
const QString kMarkName = QStringLiteral("wrongPressMark");
}  // namespace

WrongPressMark::WrongPressMark(QWidget* cardArea, QLabel* timeLabel)
    : QWidget(cardArea), timeLabel_(timeLabel), timePalette_(timeLabel->palette()) {
    setObjectName(kMarkName);
    setAccessibleName(QStringLiteral("まちがい"));
    // Presses go through the mark to the card below.
    setAttribute(Qt::WA_TransparentForMouseEvents);

    penalty_ = new QLabel(QStringLiteral("+10"), timeLabel->parentWidget());
    penalty_->setObjectName(QStringLiteral("wrongPressPenalty"));
    penalty_->setAccessibleName(QStringLiteral("タイム 10 秒増し"));
    penalty_->setFont(widgets::gothicFont(10.5, true));
    penalty_->setAlignment(Qt::AlignCenter);
    widgets::setColors(penalty_, Qt::red, Qt::white, true);
    const QRect time = timeLabel->geometry();
    penalty_->setGeometry(time.x() + time.width() / 3, time.bottom() + 4, time.width() * 3 / 4,
                          time.height() * 4 / 5);
    penalty_->hide();

    timer_ = new QTimer(this);
    timer_->setSingleShot(true);
    timer_->setInterval(kShownMs);
    connect(timer_, &QTimer::timeout, this, [this] {
        hide();
        highlightTime(false);
    });
}

void WrongPressMark::showOn(QWidget* card, QLabel* timeLabel) {
    QWidget* area = card->parentWidget();
    auto* mark = area->findChild<WrongPressMark*>(kMarkName, Qt::FindDirectChildrenOnly);
    if (!mark) mark = new WrongPressMark(area, timeLabel);
    mark->setGeometry(card->geometry());
    mark->raise();
    mark->show();
    mark->highlightTime(true);
    mark->timer_->start();
}

void WrongPressMark::highlightTime(bool on) {
    if (on) {
        widgets::setColors(timeLabel_, Qt::red, Qt::white, true);
        penalty_->show();
        penalty_->raise();
    } else {
        timeLabel_->setAutoFillBackground(false);
        timeLabel_->setPalette(timePalette_);
        penalty_->hide();
    }
}

void WrongPressMark::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const int side = std::min(width(), height());
    const int margin = side / 8;
    const QRectF box(QPointF((width() - side) / 2.0 + margin, (height() - side) / 2.0 + margin),
                     QSizeF(side - 2 * margin, side - 2 * margin));
    // A white edge keeps the cross seen on red or dark pictures.
    for (const auto& [color, widthFactor] :
         {std::pair{QColor(Qt::white), 0.16}, std::pair{QColor(220, 0, 0), 0.11}}) {
        painter.setPen(QPen(color, side * widthFactor, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(box.topLeft(), box.bottomRight());
        painter.drawLine(box.topRight(), box.bottomLeft());
    }
}
