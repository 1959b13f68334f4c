#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace platform {

// Starting other programs and opening web addresses in the system browser.
class Shell {
  public:
    virtual ~Shell() = default;
    // Starts a program detached in a normal window; false when it could not be started.
    virtual bool startProgram(const QString& path, const QStringList& arguments) = 0;
    // Hands a web address to the system's browser; false when no browser could be started.
    virtual bool openUrl(const QString& url) = 0;
};

Shell& shell();
void setShell(Shell* shell);

// Opens a web address in the system's browser; when none can be started, a message box
// names the address and says so. Returns whether a browser was started.
bool openInBrowser(const QString& url);

class RecordingShell : public Shell {
  public:
    bool startProgram(const QString& path, const QStringList& arguments) override {
        started.append({path, arguments});
        return startResult;
    }
    bool openUrl(const QString& url) override {
        urls.append(url);
        return openResult;
    }
    struct Started {
        QString path;
        QStringList arguments;
    };
    QList<Started> started;
    QStringList urls;
    bool startResult = true;
    bool openResult = true;  // false: as a machine without a web browser
};

// Guards against a second copy of the program: the first to acquire the key keeps it
// until it ends; a copy that crashed never locks the program out.
class SingleInstance {
  public:
    explicit SingleInstance(const QString& key);
    ~SingleInstance();
    SingleInstance(const SingleInstance&) = delete;
    SingleInstance& operator=(const SingleInstance&) = delete;
    bool acquired() const;
    // Not acquired because the lock file could not be made (a full or read-only temporary
    // folder): the folder and the system's reason. Empty when another copy holds the key.
    QString failure() const;

  private:
    struct Impl;
    Impl* impl_;
};

}  // namespace platform
