#pragma once

#include <QStringList>
#include <array>

#include "app/program_flow_gui.h"
#include "widgets/program_state.h"

// The program's own flow, with every call counted. A call the test holds back shows no new
// screen (the screens it replaces still make way); the others do what the program does.
class TestFlow : public ProgramFlow {
  public:
    enum Call {
        ShowNameSelection,
        CloseNameSelection,
        ShowHome,
        CloseHome,
        StartDrill,
        ShowEnd,
        ShowWait,
        CloseWait,
        ShowHelp,
        ShowVersion,
        kCalls
    };

    explicit TestFlow(ProgramState& state) : ProgramFlow(state) {}

    void holdBack(std::initializer_list<Call> calls) {
        for (Call call : calls) held_[call] = true;
    }
    int count(Call call) const { return counts_[call]; }

    int lastDrillLevel = 0;  // the level of the last drill asked for
    RunOutcome lastOutcome;  // the run of the last end screen asked for
    QStringList helpAddresses;

    void showNameSelection() override {
        if (pass(ShowNameSelection))
            ProgramFlow::showNameSelection();
        else
            retireNameChange();
    }
    void closeNameSelection() override {
        if (pass(CloseNameSelection)) ProgramFlow::closeNameSelection();
    }
    void showHomeScreen() override {
        // A home screen held back still takes the name selection's place, as it does.
        if (pass(ShowHome)) {
            ProgramFlow::showHomeScreen();
        } else {
            retireRunScreens();
            ProgramFlow::closeNameSelection();
        }
    }
    void closeHomeScreen() override {
        if (pass(CloseHome)) ProgramFlow::closeHomeScreen();
    }
    void startDrill(int level) override {
        lastDrillLevel = level;
        if (pass(StartDrill))
            ProgramFlow::startDrill(level);
        else
            retireRunScreens();
    }
    void showEndScreen(const RunOutcome& outcome) override {
        lastOutcome = outcome;
        if (pass(ShowEnd))
            ProgramFlow::showEndScreen(outcome);
        else
            retireRunScreens();
    }
    void showWaitWindow() override {
        if (pass(ShowWait)) ProgramFlow::showWaitWindow();
    }
    void closeWaitWindow() override {
        if (pass(CloseWait)) ProgramFlow::closeWaitWindow();
    }
    void showHelp(const QString& address) override {
        helpAddresses << address;
        if (pass(ShowHelp)) ProgramFlow::showHelp(address);
    }
    void showVersionDialog() override {
        if (pass(ShowVersion)) ProgramFlow::showVersionDialog();
    }

  private:
    bool pass(Call call) {
        ++counts_[call];
        return !held_[call];
    }

    std::array<int, kCalls> counts_{};
    std::array<bool, kCalls> held_{};
};
