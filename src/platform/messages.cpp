#include "platform/messages.h"

#include <QDebug>

namespace platform {

namespace {

class LogMessageBoxes : public MessageBoxes {
  public:
    void show(const QString& text, const QString& title, MsgIcon) override {
        qWarning().noquote() << title << ":" << text;
    }
};

MessageBoxes* g_boxes = nullptr;

}  // namespace

MessageBoxes& messageBoxes() {
    static LogMessageBoxes log;
    return g_boxes ? *g_boxes : log;
}

void setMessageBoxes(MessageBoxes* boxes) {
    g_boxes = boxes;
}

void msgBox(const QString& text, const QString& title, MsgIcon icon) {
    messageBoxes().show(text, title, icon);
}

}  // namespace platform
