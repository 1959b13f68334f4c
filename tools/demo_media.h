#pragma once

#include <QByteArray>
#include <QImage>
#include <QList>

// Pictures and sounds for a demo installation, generated so nothing has to be downloaded.

// A card picture: a simple figure (fruit, star, flower, ...) chosen by index 0..9.
QImage makeCardPicture(int index, int width, int height);
// A done picture: the card marked as pressed, in the colour of index 0..9.
QImage makeDonePicture(int index, int width, int height);

struct Tone {
    double frequency;  // Hz; 0 is silence
    int milliseconds;
};
// A 16-bit mono PCM wave file of the given tones, with short fades against clicks.
QByteArray makeWave(const QList<Tone>& tones, int sampleRate = 22050);
