#pragma once

#include <QDialog>

class QFrame;
class QLabel;
class QPushButton;

// The version dialog: the drill's title, the program's version and the product family.
class VersionDialog : public QDialog {
    Q_OBJECT
  public:
    explicit VersionDialog(QWidget* parent = nullptr);

    // Shows the dialog modally, centred on its owner (none: where the system puts it).
    static void showOver(QWidget* owner);

    // Where the dialog stands when centred on a window of the given frame.
    QPoint centredOn(const QRect& windowFrame) const;

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void fill();

    QFrame* frame_;          // Shape1
    QLabel* title_;          // Label1
    QLabel* version_;        // Label2
    QLabel* maker_;          // Label4
    QPushButton* okButton_;  // Command1
};
