// Holds the program's single-instance lock for another process, so that a test can start
// the program while a first copy runs. Prints "locked" once it holds the lock and keeps
// it until its standard input closes.
//   lock_holder <key>
#include <QCoreApplication>
#include <cstdio>
#include <iostream>

#include "platform/shell.h"

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: lock_holder key\n");
        return 2;
    }
    platform::SingleInstance lock(QString::fromLocal8Bit(argv[1]));
    if (!lock.acquired()) {
        std::fprintf(stderr, "lock_holder: the lock is held already\n");
        return 1;
    }
    std::printf("locked\n");
    std::fflush(stdout);
    char c;
    while (std::cin.get(c)) {
    }
    return 0;
}
