#pragma once

#include <QString>

#include "platform/errors.h"
#include "platform/messages.h"

namespace platform {

// A rewrite of a file that failed leaves the old file whole (it goes through a temp file):
// the text tells so, naming the file and the reason.
QString rewriteFailureText(const RuntimeError& error);

// Runs a rewrite; when it fails, a message box tells rewriteFailureText and the program goes
// on. Returns whether the file was written.
template <class F>
bool rewriteTold(F&& rewrite) {
    try {
        rewrite();
        return true;
    } catch (const RuntimeError& e) {
        msgBox(rewriteFailureText(e), kMakerName, MsgIcon::Exclamation);
        return false;
    }
}

}  // namespace platform
