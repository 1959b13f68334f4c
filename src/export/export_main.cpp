// narabitouch-export: the results log of a program folder as CSV (see --help).
#include <cstdio>

#include "export/export_command.h"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

int main(int argc, char** argv) {
#ifdef _WIN32
    // The CSV carries its own CR LF line ends.
    _setmode(_fileno(stdout), _O_BINARY);
#endif
    QStringList args;
    for (int i = 1; i < argc; ++i) args.append(QString::fromLocal8Bit(argv[i]));
    ExportOutput out;
    out.standardOutput = [](const QByteArray& bytes) {
        const size_t size = static_cast<size_t>(bytes.size());
        const bool written = std::fwrite(bytes.constData(), 1, size, stdout) == size;
        return std::fflush(stdout) == 0 && written;
    };
    out.standardError = [](const QString& text) {
        std::fputs((text + u'\n').toLocal8Bit().constData(), stderr);
    };
    return runExport(args, out);
}
