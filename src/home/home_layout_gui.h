#pragma once

#include <QRect>
#include <QString>

#include "widgets/controls_gui.h"

// Geometry shared by the parts of the home screen. Positions are in
// twips, as on the Windows machines of the family.
namespace homelayout {

using widgets::kGothic;
using widgets::kScreenHeight;
using widgets::kScreenWidth;
constexpr int kColumnLeft = 240;  // left of the layout reference list
// Wide enough for the longest record-list line (32 half-width characters at 7.5 points)
// beside the list's slim scroll bar (RecordListView).
constexpr int kColumnWidth = 2580;
constexpr int kVisibleColumns = 4;
constexpr int kRightLeft = kColumnLeft + kVisibleColumns * kColumnWidth + 120;
constexpr int kRightWidth = kScreenWidth - kRightLeft - 120;

// Rows of a level column.
constexpr int kLevelNameTop = 1200;
constexpr int kStartButtonTop = 1560;
constexpr int kTargetsTop = 2100;
constexpr int kClearWindowTop = 2580;
constexpr int kTodayHeadingTop = 2880;
constexpr int kTodayFiguresTop = 3120;
constexpr int kAllTimeHeadingTop = 3420;
constexpr int kAllTimeFiguresTop = 3660;
constexpr int kMarkerTop = 3960;
constexpr int kRecordListTop = 4560;
constexpr int kRecordListHeight = 3840;

using widgets::makeButton;
using widgets::makeLabel;
// "Name_index", the object name of one control of a control array.
QString indexed(const char* name, int index);

}  // namespace homelayout
