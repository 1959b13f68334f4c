#include <cstdio>

#include "app/program_gui.h"
#include "app/program_options.h"

int main(int argc, char** argv) {
    const ProgramOptions options = takeProgramOptions(argc, argv);
    if (!options.error.isEmpty()) {
        std::fputs(("narabitouch: " + options.error + u'\n').toLocal8Bit().constData(), stderr);
        return 2;
    }
    if (options.help) {
        std::fputs((programUsage() + u'\n').toLocal8Bit().constData(), stdout);
        return 0;
    }
    return runProgram(argc, argv, options.programDir);
}
