#include "widgets/pending_runs_line_gui.h"

#include "results/run_keeping.h"
#include "widgets/controls_gui.h"

PendingRunsLine::PendingRunsLine(QWidget* parent, const QRect& geometry) : QLabel(parent) {
    setObjectName(QStringLiteral("pendingRunsLine"));
    setGeometry(geometry);
    setFont(widgets::gothicFont(11, true));
    widgets::setTextColor(this, QColor(255, 255, 128));
    setWordWrap(true);
    hide();
}

void PendingRunsLine::refresh() {
    const PendingAdded pending = addPendingRuns();
    QString text;
    if (!pending.problem.isEmpty())
        text = QStringLiteral("保存待ちの成績のファイルを読めません（そのまま残してあります）: ") +
               pending.problem;
    else if (pending.left > 0)
        text = QStringLiteral("このパソコンに保存待ちの成績が %1 件あります").arg(pending.left);
    setText(text);
    setToolTip(text);
    setVisible(!text.isEmpty());
}
