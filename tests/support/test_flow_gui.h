#pragma once

#include <functional>

#include "app/program_flow_gui.h"

// The program's own flow, with the calls a test sets replaced (counted, or checked) and
// the rest shown as the program shows them. Installed for its lifetime.
class TestFlow : public ProgramFlow {
  public:
    TestFlow() { setScreenFlow(this); }
    ~TestFlow() override { setScreenFlow(nullptr); }

    std::function<void()> onShowNameSelection, onCloseNameSelection, onShowHome, onCloseHome,
        onShowWait, onCloseWait, onShowVersion;
    std::function<void(int)> onStartDrill;
    std::function<void(const RunOutcome&)> onShowEnd;
    std::function<void(const QString&)> onShowHelp;
    int lastDrillLevel = 0;  // the level of the last drill asked for

    void showNameSelection() override {
        onShowNameSelection ? onShowNameSelection() : ProgramFlow::showNameSelection();
    }
    void closeNameSelection() override {
        onCloseNameSelection ? onCloseNameSelection() : ProgramFlow::closeNameSelection();
    }
    void showHomeScreen() override { onShowHome ? onShowHome() : ProgramFlow::showHomeScreen(); }
    void closeHomeScreen() override {
        onCloseHome ? onCloseHome() : ProgramFlow::closeHomeScreen();
    }
    void showWaitWindow() override { onShowWait ? onShowWait() : ProgramFlow::showWaitWindow(); }
    void closeWaitWindow() override {
        onCloseWait ? onCloseWait() : ProgramFlow::closeWaitWindow();
    }
    void showVersionDialog() override {
        onShowVersion ? onShowVersion() : ProgramFlow::showVersionDialog();
    }
    void startDrill(int level) override {
        lastDrillLevel = level;
        onStartDrill ? onStartDrill(level) : ProgramFlow::startDrill(level);
    }
    void showEndScreen(const RunOutcome& outcome) override {
        onShowEnd ? onShowEnd(outcome) : ProgramFlow::showEndScreen(outcome);
    }
    void showHelp(const QString& address) override {
        onShowHelp ? onShowHelp(address) : ProgramFlow::showHelp(address);
    }
};
