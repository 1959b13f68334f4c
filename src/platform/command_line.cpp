#include "platform/command_line.h"

#include <algorithm>

#ifndef NARABI_VERSION
#error "the build sets NARABI_VERSION from the project version"
#endif

namespace platform {

namespace {

const QString kHelp = QStringLiteral("help");
const QString kVersion = QStringLiteral("version");

QString optionSyntax(const QCommandLineOption& option) {
    QStringList names;
    for (const QString& name : option.names())
        names << (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name;
    QString text = names.join(QStringLiteral(", "));
    if (!option.valueName().isEmpty()) text += u' ' + option.valueName();
    return text;
}

// Columns a text takes on a terminal: East Asian wide characters take two.
qsizetype columns(const QString& text) {
    qsizetype width = 0;
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        const bool wide = (u >= 0x1100 && u <= 0x115F) || (u >= 0x2E80 && u <= 0xA4CF) ||
                          (u >= 0xAC00 && u <= 0xD7A3) || (u >= 0xF900 && u <= 0xFAFF) ||
                          (u >= 0xFE30 && u <= 0xFE4F) || (u >= 0xFF00 && u <= 0xFF60) ||
                          (u >= 0xFFE0 && u <= 0xFFE6);
        width += wide ? 2 : 1;
    }
    return width;
}

// The option as the user wrote it, for messages: "--code" or "-o".
QString written(const QString& name) {
    return (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name;
}

}  // namespace

QString packageVersion() {
    return QStringLiteral(NARABI_VERSION);
}

CommandLine::CommandLine(CommandDescription description)
    : description_(std::move(description)), parser_(std::make_unique<QCommandLineParser>()) {
    parser_->setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    addOption(
        QCommandLineOption({QStringLiteral("h"), kHelp}, QStringLiteral("この説明を表示します")));
    addOption(QCommandLineOption(kVersion, QStringLiteral("版を表示します")));
}

void CommandLine::addOption(const QCommandLineOption& option) {
    options_.push_back(option);
    parser_->addOption(option);
}

CommandLine::Outcome CommandLine::parse(const QStringList& args) {
    error_.clear();
    // A value option at the very end has no value: said here, since the parser's own
    // message is not in the user's language.
    if (!args.isEmpty()) {
        QString last = args.last();
        if (last.startsWith(u'-') && !last.contains(u'=') && last != QStringLiteral("--")) {
            while (last.startsWith(u'-')) last.remove(0, 1);
            for (const QCommandLineOption& option : options_) {
                if (!option.valueName().isEmpty() && option.names().contains(last)) {
                    error_ = QStringLiteral("%1 の後に値がありません").arg(args.last());
                    return Outcome::UsageError;
                }
            }
        }
    }
    if (!parser_->parse(QStringList{description_.program} + args)) {
        const QStringList unknown = parser_->unknownOptionNames();
        error_ = unknown.isEmpty()
                     ? parser_->errorText()
                     : QStringLiteral("%1: 知らないオプションです").arg(written(unknown.first()));
        return Outcome::UsageError;
    }
    if (parser_->isSet(kHelp)) return Outcome::Help;
    if (parser_->isSet(kVersion)) return Outcome::Version;
    return Outcome::Run;
}

QString CommandLine::helpText() const {
    QStringList lines;
    const QString head = QStringLiteral("使い方: ");
    const QString indent(columns(head), u' ');
    for (qsizetype i = 0; i < description_.usage.size(); ++i) {
        // A line starting with blanks goes on the line before.
        const QString& usage = description_.usage[i];
        const bool goesOn = usage.startsWith(u' ');
        lines << (i == 0 ? head : indent) +
                     (goesOn ? QString(columns(description_.program), u' ')
                             : description_.program) +
                     (goesOn ? QString() : QStringLiteral(" ")) + usage;
    }
    lines << QString() << description_.description << QString() << QStringLiteral("オプション:");
    qsizetype width = 0;
    for (const QCommandLineOption& option : options_) {
        if (!(option.flags() & QCommandLineOption::HiddenFromHelp))
            width = std::max(width, columns(optionSyntax(option)));
    }
    for (const QCommandLineOption& option : options_) {
        if (option.flags() & QCommandLineOption::HiddenFromHelp) continue;
        // A description of several lines goes on under its first line.
        const QString indent(width + 4, u' ');
        QString text = option.description();
        text.replace(u'\n', u'\n' + indent);
        const QString syntax = optionSyntax(option);
        lines << QStringLiteral("  ") + syntax + QString(width - columns(syntax) + 2, u' ') + text;
    }
    if (!description_.notes.isEmpty()) lines << QString() << description_.notes;
    lines << QString() << QStringLiteral("終了コード: ") + description_.exitCodes;
    return lines.join(u'\n');
}

QString CommandLine::versionText() const {
    return description_.program + u' ' + packageVersion();
}

QString CommandLine::helpHint() const {
    return QStringLiteral("%1 --help で使い方を表示します").arg(description_.program);
}

}  // namespace platform
