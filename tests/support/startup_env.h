#pragma once

// A clean program state for one test: shared state reset, the media, message boxes and
// random generator replaced by recorders, the end of the program recorded instead of
// performed. Everything is put back when the object goes out of scope.

#include <QList>
#include <QTemporaryDir>

#include "platform/clock.h"
#include "platform/media.h"
#include "platform/messages.h"
#include "platform/program.h"
#include "state/session.h"

class StartupEnv {
  public:
    StartupEnv() {
        state::resetRunState();
        platform::resetProgramEnding();
        platform::setMedia(&media);
        platform::setMessageBoxes(&boxes);
        platform::setRandom(&random);
        platform::setEndHandler([this](int code) { endCodes.append(code); });
    }
    ~StartupEnv() {
        platform::setEndHandler({});
        platform::setRandom(nullptr);
        platform::setMessageBoxes(nullptr);
        platform::setMedia(nullptr);
        platform::resetProgramEnding();
        state::resetRunState();
    }
    StartupEnv(const StartupEnv&) = delete;
    StartupEnv& operator=(const StartupEnv&) = delete;

    // A folder path inside the temporary folder, without the closing "/".
    QString dir(const QString& relative) const { return temp.path() + u'/' + relative; }

    QTemporaryDir temp;
    platform::RecordingMedia media;
    platform::RecordingMessageBoxes boxes;
    platform::SequenceRandom random{{0.0}};
    QList<int> endCodes;
};
