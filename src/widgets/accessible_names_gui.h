#pragma once

class QWidget;

// What screen readers (and test tools over AT-SPI) are told of the drill's cards and of the
// texts of the drill and end screens, whose bare numbers and names say little by themselves.
namespace widgets {

// A card of the drill, with the number it shows: "カード 17", described "押した" once
// pressed. The card's picture carries the same name.
void describeCard(QWidget* card, int number, bool pressed);

// Tells what the drill screen's texts are (the instruction, the time in seconds, the
// problems left, ...), beside the texts themselves.
void describeDrillTexts(QWidget* drillScreen);

// Names the end screen's results by what they are ("名前：山田 花子"); results whose text
// says it already ("今の成績：12秒") keep their text as name. Called once they are filled.
void nameResults(QWidget* endScreen);

}  // namespace widgets
