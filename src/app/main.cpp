#include <cstdio>
#include <vector>

#include "app/program_gui.h"
#include "app/program_options.h"

int main(int argc, char** argv) {
    // The options are read before Qt is started, so --help and --version need no display.
    std::vector<QByteArray> arguments(argv, argv + argc);
    const ProgramOptions options = readProgramOptions(arguments);
    if (!options.error.isEmpty()) {
        std::fputs(("narabitouch: " + options.error + u'\n' + programHelpHint() + u'\n')
                       .toLocal8Bit()
                       .constData(),
                   stderr);
        return 2;
    }
    if (options.help || options.version) {
        const QString text = options.help ? programUsage() : programVersionLine();
        std::fputs((text + u'\n').toLocal8Bit().constData(), stdout);
        return 0;
    }
    // Qt keeps the arguments it is given for the whole run.
    std::vector<QByteArray> qtArguments = options.qtArguments;
    std::vector<char*> qtArgv;
    for (QByteArray& argument : qtArguments) qtArgv.push_back(argument.data());
    qtArgv.push_back(nullptr);
    int qtArgc = static_cast<int>(qtArguments.size());
    return runProgram(qtArgc, qtArgv.data(), options.programDir);
}
