#pragma once

#include <functional>

// The screens of the main flow, as the core logic asks for them. The window layer
// installs the hooks; until it does (and in core tests) the calls do nothing.
namespace screens {

struct Hooks {
    std::function<void()> showNameSelection;
    std::function<void()> closeNameSelection;
    std::function<void()> showHomeScreen;
    std::function<void()> closeHomeScreen;
    std::function<void()> showDrillScreen;
    std::function<void()> closeDrillScreen;
    std::function<void()> showResultScreen;
    std::function<void()> closeResultScreen;
    std::function<void()> showWaitWindow;  // modeless
    std::function<void()> closeWaitWindow;
    std::function<void()> showHelpBrowser;    // frmBrowser with shared.helpUrl
    std::function<void()> showVersionDialog;  // frmver
    std::function<void()> showNameChange;     // FrmName2, modeless
};

Hooks& hooks();

void showNameSelection();
void closeNameSelection();
void showHomeScreen();
void closeHomeScreen();
void showDrillScreen();
void closeDrillScreen();
void showResultScreen();
void closeResultScreen();
void showWaitWindow();
void closeWaitWindow();
void showHelpBrowser();
void showVersionDialog();
// True when a name-change window is installed (and was shown).
bool showNameChange();

}  // namespace screens
