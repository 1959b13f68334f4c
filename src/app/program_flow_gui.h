#pragma once

#include <QObject>
#include <QPointer>
#include <memory>

#include "widgets/screen_navigator_gui.h"

struct RecordListChoices;
class WaitWindow;

// The program's screens and how one hands over to the next: the one owner of every window.
// A screen that makes way is retired (hidden, deleted once no handler runs); a window the
// student closes does what its own way out does (see each window's closeEvent).
//
//   name selection ──sign-in──▶ home ──start──▶ drill ──recorded──▶ end screen
//        ▲   │  ▲                 │               │ practice           │  │
//        │   │  └───── back ──────┘               └──────▶ home ◀──menu─┘  └─retry─▶ drill
//        │   ├──▶ name change ──back──┐
//        │   ├──▶ help (beside it), version dialog (modal)
//        └───────────────────────────┘
class ProgramFlow : public ScreenFlow {
  public:
    ProgramFlow();
    ~ProgramFlow() override;

    void showNameSelection() override;
    void closeNameSelection() override;
    void showHomeScreen() override;
    void closeHomeScreen() override;
    void startDrill(int level) override;
    void showEndScreen(const RunOutcome& outcome) override;
    void showWaitWindow() override;
    void closeWaitWindow() override;
    void showHelp(const QString& address) override;
    void showVersionDialog() override;
    bool showNameChange() override;

    bool waitWindowVisible() const;

  private:
    QPointer<WaitWindow> waitWindow_;
    // The record lists' choices (display kind, list) kept from one home screen to the next.
    std::shared_ptr<RecordListChoices> listChoices_;
};
