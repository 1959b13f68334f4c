#include "app/screens.h"

namespace screens {

Hooks& hooks() {
    static Hooks h;
    return h;
}

namespace {
void call(const std::function<void()>& f) {
    if (f) f();
}
}  // namespace

void showNameSelection() {
    call(hooks().showNameSelection);
}
void closeNameSelection() {
    call(hooks().closeNameSelection);
}
void showHomeScreen() {
    call(hooks().showHomeScreen);
}
void closeHomeScreen() {
    call(hooks().closeHomeScreen);
}
void showDrillScreen() {
    call(hooks().showDrillScreen);
}
void closeDrillScreen() {
    call(hooks().closeDrillScreen);
}
void showResultScreen() {
    call(hooks().showResultScreen);
}
void closeResultScreen() {
    call(hooks().closeResultScreen);
}
void showWaitWindow() {
    call(hooks().showWaitWindow);
}
void closeWaitWindow() {
    call(hooks().closeWaitWindow);
}
void showHelpBrowser() {
    call(hooks().showHelpBrowser);
}
void showVersionDialog() {
    call(hooks().showVersionDialog);
}
bool showNameChange() {
    if (!hooks().showNameChange) return false;
    hooks().showNameChange();
    return true;
}

}  // namespace screens
