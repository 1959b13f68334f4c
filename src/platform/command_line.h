#pragma once

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QString>
#include <QStringList>
#include <memory>
#include <vector>

namespace platform {

// The command lines of the three programs, in one form: --help prints the usage lines,
// what the command does, one line per option and the exit codes; --version prints the
// program's name and version; a usage error names the option and ends with exit code 2.
// Nothing here needs a window system, so both work without a display.

struct CommandDescription {
    QString program;      // "narabitouch-export"
    QStringList usage;    // the usage lines, without the program's name; a line starting
                          // with blanks goes on the line before
    QString description;  // what the command does (may be several lines)
    QString notes;        // after the options (may be empty)
    QString exitCodes;    // "0 成功、1 …、2 使い方の誤り"
};

// Exit code of a usage error, the same in every command.
constexpr int kUsageErrorExit = 2;

class CommandLine {
  public:
    enum class Outcome { Run, Help, Version, UsageError };

    explicit CommandLine(CommandDescription description);

    // An option of the command; a hidden one is taken but not listed by --help.
    void addOption(const QCommandLineOption& option);

    // Parses the arguments (without the program's own name). Options may be written
    // "--name value", "--name=value" or with one dash ("-o file").
    Outcome parse(const QStringList& args);

    // The usage error of the last parse: the option (or argument) and what is wrong.
    const QString& error() const { return error_; }
    const QCommandLineParser& parser() const { return *parser_; }

    QString helpText() const;
    QString versionText() const;
    // Said after a usage error: where to find the usage.
    QString helpHint() const;

  private:
    CommandDescription description_;
    std::vector<QCommandLineOption> options_;
    std::unique_ptr<QCommandLineParser> parser_;  // held apart: the parser cannot move
    QString error_;
};

// "narabitouch 1.0.0": the version of the package the programs belong to.
QString packageVersion();

}  // namespace platform
