#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace platform {

// Media command interface: a command text such as "play <path> wait" returns 0 or an
// error code; errorString gives the text of a code.
class Media {
  public:
    virtual ~Media() = default;
    virtual int sendString(const QString& command) = 0;
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

// Records every command; returns the queued codes in turn, then 0.
class RecordingMedia : public Media {
  public:
    int sendString(const QString& command) override {
        commands.append(command);
        return codes.isEmpty() ? 0 : codes.takeFirst();
    }
    QString errorString(int code) override { return mediaErrorText(code); }

    QStringList commands;
    QList<int> codes;
};

}  // namespace platform
