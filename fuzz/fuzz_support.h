#pragma once

// Common ground of the fuzz targets: every target reads outside bytes through the
// program's own readers, in a scratch family folder, with the platform services quiet
// (no message boxes, no waits, no sound, the end of the program only recorded).
//
// A target file defines `int fuzzOne(const uint8_t*, size_t)` in an anonymous namespace
// and ends with NARABI_FUZZ_TARGET(name). Built for libFuzzer it is the engine's entry
// point; built for the test suite it is registered with the replay program, which runs
// the kept inputs of fuzz/regressions/<name>/.

#include <QByteArray>
#include <QString>
#include <cstddef>
#include <cstdint>

namespace fuzzsupport {

// The scratch family folder ("<tmp>/family/", with the program folder "ならびタッチ/"
// and the sound folder "音フォルダ/" inside), created once.
QString familyFolder();
QString programFolder();  // familyFolder() + "ならびタッチ"  (no closing "/")

// Replaces a file's content (creating the folders); removes it for a null array.
void putFile(const QString& path, const QByteArray& bytes);

// Shared state reset, folders set for the flat layout, platform services quiet; called
// at the start of every input.
void freshProgram();

// The input split at the first "\n====\n" into two parts (the second empty without one).
void splitInput(const uint8_t* data, size_t size, QByteArray* first, QByteArray* second);

// Stops the run with a message when a rule of the reader is broken (libFuzzer reports
// the abort as a crash and keeps the input).
void check(bool condition, const char* what);

using Target = int (*)(const uint8_t*, size_t);
bool registerTarget(const char* name, Target target);

}  // namespace fuzzsupport

#ifdef NARABI_LIBFUZZER
#define NARABI_FUZZ_TARGET(name)                                              \
    extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) { \
        return fuzzOne(data, size);                                           \
    }
#else
#define NARABI_FUZZ_TARGET(name) \
    static const bool registered_##name = fuzzsupport::registerTarget(#name, fuzzOne);
#endif
