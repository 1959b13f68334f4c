#include "help/help_address.h"

#include <gtest/gtest.h>

namespace {

const QUrl kFolder = QUrl::fromLocalFile(QStringLiteral("/home/ならびタッチ/help"));

TEST(HelpAddress, TypedAddresses) {
    const struct {
        const char* typed;
        const char* expected;
    } cases[] = {
        {"narabitouch.htm", "file:///home/ならびタッチ/help/narabitouch.htm"},
        {" formmail2\\form1.html#top ", "file:///home/ならびタッチ/help/formmail2/form1.html#top"},
        {"../設定.txt", "file:///home/ならびタッチ/設定.txt"},
        {"/tmp/a.htm", "file:///tmp/a.htm"},
        {"https://example.com/x", "https://example.com/x"},
        {"www.example.com", "http://www.example.com"},
        {"mailto:a@example.com", "mailto:a@example.com"},
        {"", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(help::typedAddress(QString::fromUtf8(c.typed), kFolder).toString(),
                  QString::fromUtf8(c.expected))
            << c.typed;
}

TEST(HelpAddress, WebAddressesAndTheCompiledInCopy) {
    EXPECT_TRUE(help::isWebAddress(QUrl(QStringLiteral("HTTPS://example.com"))));
    EXPECT_TRUE(help::isWebAddress(QUrl(QStringLiteral("mailto:a@example.com"))));
    EXPECT_FALSE(help::isWebAddress(QUrl(QStringLiteral("file:///tmp/a.htm"))));
    EXPECT_EQ(
        help::builtInCopy(help::typedAddress(QStringLiteral("images/a.png"), kFolder), kFolder),
        QUrl(QStringLiteral("qrc:/help/images/a.png")));
    // Nothing outside the folder, nor the folder itself.
    EXPECT_TRUE(
        help::builtInCopy(help::typedAddress(QStringLiteral("../設定.txt"), kFolder), kFolder)
            .isEmpty());
    EXPECT_TRUE(help::builtInCopy(QUrl::fromLocalFile(QStringLiteral("/home/ならびタッチ/helpx/a")),
                                  kFolder)
                    .isEmpty());
    EXPECT_TRUE(help::builtInCopy(kFolder, kFolder).isEmpty());
}

}  // namespace
