#include "app/program_gui.h"

int main(int argc, char** argv) {
    return runProgram(argc, argv);
}
