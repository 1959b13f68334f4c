#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <memory>

#include "widgets/screen_navigator_gui.h"

class DrillScreen;
class EndScreen;
class HelpBrowser;
class HomeScreen;
class NameChangeWindow;
class NameSelection;
class ProgressReportWindow;
struct ProgramState;
struct RecordListChoices;
class WaitWindow;

// The program's screens and how one hands over to the next. The flow makes every screen,
// holds it while it is open and is the only one that retires it (hidden at once, deleted
// once control is back in the event loop); what it still holds when it goes, it deletes.
// A screen runs its activation because the flow brings it to the front, never because
// the window system moved the focus: a dialog closing, or a click after one, leaves the
// screen below as it is.
//
//   name selection ──sign-in──▶ home ──start──▶ drill ──recorded──▶ end screen
//        ▲   │  ▲                 │               │ practice           │  │
//        │   │  └───── back ──────┘               └──────▶ home ◀──menu─┘  └─retry─▶ drill
//        │   ├──▶ name change ──back──┐
//        │   ├──▶ help (beside it) ──back: the list again
//        │   └──▶ version dialog (modal)
//        └───────────────────────────┘
class ProgramFlow : public ScreenFlow {
  public:
    explicit ProgramFlow(ProgramState& state);
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
    void closeHelp(bool backToList) override;
    void showVersionDialog() override;
    bool showNameChange() override;
    void showProgressReport(int firstStudent, QWidget* over) override;

    // The screens open now (nullptr: none of that kind).
    NameSelection* nameSelection() const;
    HomeScreen* homeScreen() const;
    DrillScreen* drillScreen() const;
    EndScreen* endScreen() const;
    NameChangeWindow* nameChangeWindow() const;
    HelpBrowser* helpBrowser() const;
    ProgressReportWindow* progressReport() const;
    bool waitWindowVisible() const;

  protected:
    // What makes way for the next screen: the drill and end screens (for the home screen,
    // a drill or an end screen), the name-change window (for the name selection).
    void retireRunScreens();
    void retireNameChange();

  private:
    // Hides the screen held in `slot`, lets it go once no handler of it runs, and forgets it.
    template <class Window>
    void retire(QPointer<Window>& slot);

    ProgramState& state_;
    QPointer<NameSelection> nameSelection_;
    QPointer<HomeScreen> home_;
    QPointer<DrillScreen> drill_;
    QPointer<EndScreen> end_;
    QPointer<NameChangeWindow> nameChange_;
    QPointer<HelpBrowser> help_;
    QPointer<WaitWindow> waitWindow_;
    // The modeless window "成績の記録"; it goes when it is closed.
    QPointer<ProgressReportWindow> report_;
    // Screens retired and not yet deleted: they go with the flow at the latest, since they
    // hold it.
    QList<QPointer<QWidget>> retired_;
    // The record lists' choices (display kind, list) kept from one home screen to the next.
    std::shared_ptr<RecordListChoices> listChoices_;
};
