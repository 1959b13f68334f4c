#pragma once

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>

namespace platform {

// What runs when a sound has ended, with its code (0 or an error code).
using SoundDone = std::function<void(int code)>;

// Media command interface: a command text such as "play <path> wait" starts the sound and
// returns at once; `done` runs with 0 or an error code once the sound has ended (at once,
// inside the call, when it cannot play), unless `context` is gone by then. Until then the
// student's presses wait, as they do during the blocking play of the Windows programs.
// errorString gives the text of a code.
class Media {
  public:
    virtual ~Media() = default;
    virtual void play(const QString& command, QObject* context, SoundDone done) = 0;
    virtual QString errorString(int code) = 0;
};

Media& media();
// Installs a backend; nullptr restores the silent default. The caller keeps ownership.
void setMedia(Media* media);

// Error codes of the media backends.
enum MediaError {
    mediaOk = 0,
    mediaUnknownCommand = 261,
    mediaNoDevice = 263,
    mediaNoDriver = 266,
    mediaFileNotFound = 275,
    mediaCannotLoad = 296,
    mediaTimeout = 299,
};
QString mediaErrorText(int code);

// Splits "play <path> wait": returns the path, or an empty string for other commands.
QString playCommandPath(const QString& command);

// Records every command; its sounds end at once, with the queued codes in turn, then 0.
class RecordingMedia : public Media {
  public:
    void play(const QString& command, QObject*, SoundDone done) override {
        commands.append(command);
        const int code = codes.isEmpty() ? 0 : codes.takeFirst();
        if (done) done(code);
    }
    QString errorString(int code) override { return mediaErrorText(code); }

    QStringList commands;
    QList<int> codes;
};

}  // namespace platform
