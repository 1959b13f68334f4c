#include "setup/setup_command.h"

#include "platform/errors.h"
#include "setup/new_family.h"
#include "setup/setup_checks.h"
#include "setup/setup_options.h"
#include "setup/student_commands.h"

int runSetup(const QStringList& args, const SetupPlaces& places, const SetupOutput& out) {
    try {
        const SetupRequest request = parseSetupArguments(args);
        switch (request.action) {
            case SetupAction::Help:
                out.standardOutput(setupUsage());
                return kSetupOk;
            case SetupAction::Version:
                out.standardOutput(setupVersionLine());
                return kSetupOk;
            case SetupAction::NewFamily:
                return newFamily(request, places, out);
            default:
                return studentCommand(request, out);
        }
    } catch (const SetupRefusal& refusal) {
        out.standardError(QStringLiteral("narabitouch-setup: ") + refusal.message);
        if (refusal.code == kSetupUsageError) out.standardError(setupHelpHint());
        return refusal.code;
    } catch (const platform::RuntimeError& e) {
        QString text = QStringLiteral("narabitouch-setup: %1: %2 (エラー %3)")
                           .arg(shown(e.file()), e.description())
                           .arg(e.number());
        if (!e.detail().isEmpty()) text += u' ' + e.detail();
        out.standardError(text);
        return kSetupRefused;
    }
}
