#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QMessageBox>
#include <QRegularExpression>
#include <QScopeGuard>

#include "platform/translations.h"

namespace {

// A button's text without its mnemonic ("はい(&Y)" reads "はい").
QString caption(QAbstractButton* button) {
    return button->text().remove(QRegularExpression(QStringLiteral("\\(&.\\)|&")));
}

}  // namespace

TEST(QtTranslations, MessageBoxButtonsReadJapaneseAndAMissingFolderIsHarmless) {
    const auto remove = qScopeGuard([] { platform::removeQtTranslations(); });
    EXPECT_FALSE(platform::installQtTranslations(QStringLiteral("/no/such/folder")));
    ASSERT_TRUE(platform::installQtTranslations()) << "qt6-translations-l10n is not installed";
    QMessageBox box;
    box.setStandardButtons(QMessageBox::Yes | QMessageBox::Cancel);
    EXPECT_EQ(caption(box.button(QMessageBox::Yes)), QStringLiteral("はい"));
    EXPECT_EQ(caption(box.button(QMessageBox::Cancel)), QStringLiteral("キャンセル"));
}
