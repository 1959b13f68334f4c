// The record decoders of the results log (44 bytes) and the home copy (66 bytes): any
// bytes decode, and a decoded record written back decodes to the same values.
#include <cmath>
#include <cstring>

#include "fuzz_support.h"
#include "results/result_log.h"

namespace {

bool sameNumber(double a, double b) {
    return a == b || (std::isnan(a) && std::isnan(b));
}

int fuzzOne(const uint8_t* data, size_t size) {
    const char* bytes = reinterpret_cast<const char*>(data);
    for (size_t at = 0; at + kResultRecordSize <= size; at += kResultRecordSize) {
        const ResultRecord r = ResultRecord::fromBytes(bytes + at);
        const QByteArray again = r.toBytes();
        fuzzsupport::check(again.size() == kResultRecordSize, "log record size");
        const ResultRecord back = ResultRecord::fromBytes(again.constData());
        fuzzsupport::check(
            sameNumber(back.date, r.date) && sameNumber(back.timeOfDay, r.timeOfDay) &&
                back.studentNo == r.studentNo && back.level == r.level && back.time == r.time,
            "log record round trip");
    }
    for (size_t at = 0; at + kHomeResultRecordSize <= size; at += kHomeResultRecordSize) {
        const HomeResultRecord r = HomeResultRecord::fromBytes(bytes + at);
        const QByteArray again = r.toBytes();
        fuzzsupport::check(again.size() == kHomeResultRecordSize, "home record size");
        const HomeResultRecord back = HomeResultRecord::fromBytes(again.constData());
        fuzzsupport::check(sameNumber(back.date, r.date) && back.studentNo == r.studentNo &&
                               back.level == r.level && back.time == r.time &&
                               back.contentTag == r.contentTag,
                           "home record round trip");
    }
    return 0;
}

}  // namespace

NARABI_FUZZ_TARGET(record_codec)
