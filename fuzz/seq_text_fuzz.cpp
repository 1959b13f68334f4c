// The comma/quote reader of the CP932 text files: any bytes, read as strings, numbers
// and ranged integers in turn, until the end or a run-time error.
#include "fuzz_support.h"
#include "platform/errors.h"
#include "platform/sequential_text.h"

namespace {

int fuzzOne(const uint8_t* data, size_t size) {
    if (size == 0) return 0;
    const int mode = data[0];
    platform::SeqTextReader in(
        QByteArray(reinterpret_cast<const char*>(data + 1), static_cast<qsizetype>(size - 1)),
        QStringLiteral("fuzz.txt"));
    try {
        for (int k = 0; !in.atEnd(); ++k) {
            const int line = in.lineNumber();
            switch ((mode >> (k % 4 * 2)) & 3) {
                case 0:
                    in.readString();
                    break;
                case 1:
                    in.readNumber();
                    break;
                case 2: {
                    const qint64 v = in.readInteger(-32768, 32767);
                    fuzzsupport::check(v >= -32768 && v <= 32767, "integer in range");
                    break;
                }
                default:
                    in.readInteger(std::numeric_limits<qint32>::min(),
                                   std::numeric_limits<qint32>::max());
            }
            fuzzsupport::check(in.lineNumber() >= line, "line numbers never go back");
        }
    } catch (const platform::RuntimeError& e) {
        fuzzsupport::check(e.number() > 0, "error number");
    }
    return 0;
}

}  // namespace

NARABI_FUZZ_TARGET(seq_text)
