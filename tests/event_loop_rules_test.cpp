// Handlers never run inside other handlers: nothing in src/ lets pending events run or
// starts an event loop of its own. Modal dialogs (exec of a dialog or message box) and the
// application's own loop are the only loops.

#include <gtest/gtest.h>

#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>

namespace {

TEST(EventLoopRules, NoHandlerLetsEventsRunOrStartsALoop) {
    const QRegularExpression banned(
        QStringLiteral("\\b(processEvents|doEvents|QEventLoop|sendPostedEvents)\\b"));
    const QRegularExpression loopStart(QStringLiteral("(\\w+)\\s*(\\.|->)\\s*exec\\s*\\("));
    QStringList found;
    QDirIterator it(QStringLiteral(SOURCE_DIR), {QStringLiteral("*.cpp"), QStringLiteral("*.h")},
                    QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
        const QStringList lines = QString::fromUtf8(file.readAll()).split(u'\n');
        for (int n = 0; n < lines.size(); ++n) {
            const QString& line = lines[n];
            if (line.trimmed().startsWith(QStringLiteral("//"))) continue;
            const auto loop = loopStart.match(line);
            const bool dialog =
                loop.hasMatch() && QRegularExpression(QStringLiteral("^(app|box|dialog)$"))
                                       .match(loop.captured(1))
                                       .hasMatch();
            if (banned.match(line).hasMatch() || (loop.hasMatch() && !dialog))
                found << QStringLiteral("%1:%2: %3").arg(path).arg(n + 1).arg(line.trimmed());
        }
    }
    EXPECT_TRUE(found.isEmpty()) << found.join(u'\n').toStdString();
}

}  // namespace
