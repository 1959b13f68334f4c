#include "widgets/accessible_names_gui.h"

#include <QLabel>

namespace widgets {

namespace {

struct Meaning {
    const char16_t* objectName;
    const char16_t* what;
};

QLabel* labelOf(QWidget* screen, const char16_t* name) {
    return screen->findChild<QLabel*>(QString::fromUtf16(name));
}

}  // namespace

void describeCard(QWidget* card, int number, bool pressed) {
    const QString name = QStringLiteral("カード %1").arg(number);
    const QString description = pressed ? QStringLiteral("押した") : QString();
    card->setAccessibleName(name);
    card->setAccessibleDescription(description);
    for (QLabel* picture : card->findChildren<QLabel*>(Qt::FindDirectChildrenOnly)) {
        if (!picture->text().isEmpty()) continue;  // the number reads as it is
        picture->setAccessibleName(name);
        picture->setAccessibleDescription(description);
    }
}

void describeDrillTexts(QWidget* drillScreen) {
    static constexpr Meaning kTexts[] = {
        {u"Label2", u"やりかた"},       {u"Label3", u"レベルの説明"},
        {u"sLabel2", u"ドリル"},        {u"sLabel7", u"名前"},
        {u"sLabel8", u"レベル"},        {u"sLabel9", u"残りの問題数"},
        {u"sLabel10", u"タイム（秒）"}, {u"sLabel11", u"このレベルの本日の回数"},
        {u"sLabel12", u"本日の回数"},   {u"sLabel13", u"起動してからの分数"},
        {u"sLabel14", u"教室"},
    };
    for (const Meaning& text : kTexts)
        if (QLabel* label = labelOf(drillScreen, text.objectName))
            label->setAccessibleDescription(QString::fromUtf16(text.what));
}

void nameResults(QWidget* endScreen) {
    static constexpr Meaning kResults[] = {
        {u"Label15", u"ドリル"},
        {u"Label16", u"レベル"},
        {u"Label17", u"名前"},
        {u"Label14", u"本日の回数"},
    };
    for (const Meaning& result : kResults)
        if (QLabel* label = labelOf(endScreen, result.objectName))
            label->setAccessibleName(QString::fromUtf16(result.what) + QStringLiteral("：") +
                                     label->text().trimmed());
}

}  // namespace widgets
