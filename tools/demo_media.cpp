#include "demo_media.h"

#include <QPainter>
#include <QPainterPath>
#include <QtEndian>
#include <cmath>

namespace {

const QColor kColors[10] = {QColor(220, 40, 40),  QColor(250, 150, 20), QColor(230, 200, 0),
                            QColor(60, 170, 60),  QColor(30, 120, 220), QColor(120, 60, 200),
                            QColor(230, 90, 170), QColor(130, 80, 40),  QColor(0, 160, 160),
                            QColor(90, 90, 90)};

void drawFigure(QPainter& p, int index, const QRectF& box) {
    const QColor c = kColors[index % 10];
    p.setPen(QPen(c.darker(150), 3));
    p.setBrush(c);
    const QPointF centre = box.center();
    const double r = std::min(box.width(), box.height()) * 0.38;
    switch (index % 5) {
        case 0: {  // fruit
            p.drawEllipse(centre, r, r);
            p.setPen(QPen(QColor(90, 60, 20), 4));
            p.drawLine(centre + QPointF(0, -r), centre + QPointF(r * 0.15, -r * 1.3));
            break;
        }
        case 1: {  // star
            QPainterPath path;
            for (int k = 0; k < 10; ++k) {
                const double a = -M_PI / 2 + k * M_PI / 5;
                const double rr = (k % 2) ? r * 0.45 : r * 1.1;
                const QPointF pt = centre + QPointF(std::cos(a) * rr, std::sin(a) * rr);
                if (k == 0)
                    path.moveTo(pt);
                else
                    path.lineTo(pt);
            }
            path.closeSubpath();
            p.drawPath(path);
            break;
        }
        case 2: {  // flower
            for (int k = 0; k < 6; ++k) {
                const double a = k * M_PI / 3;
                p.drawEllipse(centre + QPointF(std::cos(a) * r * 0.55, std::sin(a) * r * 0.55),
                              r * 0.42, r * 0.42);
            }
            p.setBrush(QColor(250, 230, 80));
            p.drawEllipse(centre, r * 0.35, r * 0.35);
            break;
        }
        case 3: {  // house
            QPainterPath roof;
            roof.moveTo(centre + QPointF(-r, -r * 0.1));
            roof.lineTo(centre + QPointF(0, -r * 1.0));
            roof.lineTo(centre + QPointF(r, -r * 0.1));
            roof.closeSubpath();
            p.drawPath(roof);
            p.setBrush(c.lighter(140));
            p.drawRect(QRectF(centre.x() - r * 0.75, centre.y() - r * 0.1, r * 1.5, r * 1.0));
            break;
        }
        default: {  // fish
            p.drawEllipse(QRectF(centre.x() - r, centre.y() - r * 0.55, r * 1.6, r * 1.1));
            QPainterPath tail;
            tail.moveTo(centre + QPointF(r * 0.5, 0));
            tail.lineTo(centre + QPointF(r * 1.1, -r * 0.5));
            tail.lineTo(centre + QPointF(r * 1.1, r * 0.5));
            tail.closeSubpath();
            p.drawPath(tail);
            p.setBrush(Qt::white);
            p.drawEllipse(centre + QPointF(-r * 0.55, -r * 0.1), r * 0.12, r * 0.12);
            break;
        }
    }
}

}  // namespace

QImage makeCardPicture(int index, int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(QColor(255, 250, 235));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    drawFigure(p, index, QRectF(0, 0, width, height));
    return image;
}

QImage makeDonePicture(int index, int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(kColors[index % 10].lighter(170));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    // A large circle: the card is done.
    p.setPen(QPen(kColors[index % 10].darker(130), std::max(4, width / 14)));
    p.setBrush(Qt::NoBrush);
    const double r = std::min(width, height) * 0.36;
    p.drawEllipse(QPointF(width / 2.0, height / 2.0), r, r);
    return image;
}

QByteArray makeWave(const QList<Tone>& tones, int sampleRate) {
    QByteArray samples;
    for (const Tone& tone : tones) {
        const int n = sampleRate * tone.milliseconds / 1000;
        const int fade = std::min(n / 4, sampleRate / 200);
        for (int i = 0; i < n; ++i) {
            double v = 0;
            if (tone.frequency > 0) {
                v = std::sin(2 * M_PI * tone.frequency * i / sampleRate) * 0.45;
                if (i < fade) v *= double(i) / fade;
                if (n - i < fade) v *= double(n - i) / fade;
            }
            const qint16 s = static_cast<qint16>(std::lround(v * 32767));
            char le[2];
            qToLittleEndian(s, le);
            samples.append(le, 2);
        }
    }
    QByteArray out;
    auto put32 = [&](quint32 v) {
        char b[4];
        qToLittleEndian(v, b);
        out.append(b, 4);
    };
    auto put16 = [&](quint16 v) {
        char b[2];
        qToLittleEndian(v, b);
        out.append(b, 2);
    };
    out += "RIFF";
    put32(36 + samples.size());
    out += "WAVEfmt ";
    put32(16);
    put16(1);  // PCM
    put16(1);  // mono
    put32(sampleRate);
    put32(sampleRate * 2);
    put16(2);
    put16(16);
    out += "data";
    put32(samples.size());
    out += samples;
    return out;
}
