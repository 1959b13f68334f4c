#pragma once

#include <QFileInfo>
#include <QPointer>
#include <QStringList>

#include "platform/media_gui.h"
#include "platform/wave_info.h"

// Sounds that last as long as their wave files say, without a sound device: the student's
// presses wait meanwhile, as with the program's own media, and the end comes from a timer,
// so on the monkey's clock. A missing file or one that is no wave fails as it does there.
class TimedSounds : public platform::Media {
  public:
    void play(const QString& command, QObject* context, platform::SoundDone done) override {
        commands.append(command);
        wait_.finish(platform::mediaOk);  // a sound still playing makes way
        const QString path = platform::playCommandPath(command);
        const int code = path.isEmpty()             ? platform::mediaUnknownCommand
                         : !QFileInfo::exists(path) ? platform::mediaFileNotFound
                                                    : platform::mediaOk;
        const qint64 length = code == platform::mediaOk ? platform::waveDurationMs(path) : -1;
        if (length < 0) {
            if (done) done(code == platform::mediaOk ? platform::mediaCannotLoad : code);
            return;
        }
        const QPointer<QObject> receiver(context);
        wait_.start(length, {}, [receiver, anyReceiver = !context, done](int result) {
            if (done && (anyReceiver || receiver)) done(result);
        });
    }
    QString errorString(int code) override { return platform::mediaErrorText(code); }

    QStringList commands;

  private:
    platform::SoundWait wait_;
};
