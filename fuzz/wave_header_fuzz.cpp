// The wave header reader that gives a sound its length.
#include "fuzz_support.h"
#include "platform/wave_info.h"

namespace {

int fuzzOne(const uint8_t* data, size_t size) {
    const QString path = fuzzsupport::familyFolder() + QStringLiteral("音フォルダ/fuzz.wav");
    fuzzsupport::putFile(
        path, QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
    const qint64 ms = platform::waveDurationMs(path);
    fuzzsupport::check(ms >= -1, "length");
    return 0;
}

}  // namespace

NARABI_FUZZ_TARGET(wave_header)
