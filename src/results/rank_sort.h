#pragma once

#include <QString>
#include <QtGlobal>
#include <utility>
#include <vector>

#include "platform/errors.h"

// Sorts keys[1..n] ascending and moves payload[1..n] with them (index 0 is not used).
// A top-down merge sort whose merge takes the right half's item first on equal keys, so
// equal keys come out in the order the rankings have always shown them. Both vectors must
// hold at least n + 1 entries; otherwise error 9 is raised.
template <class Payload>
void rankSort(int n, std::vector<qint32>& keys, std::vector<Payload>& payload) {
    if (n <= 1) return;
    if (static_cast<qsizetype>(keys.size()) <= n || static_cast<qsizetype>(payload.size()) <= n)
        throw platform::RuntimeError(platform::errSubscriptOutOfRange, QString(),
                                     QStringLiteral("rankSort: %1 entries").arg(n));

    // Work lists for the left half, allocated once for the whole sort.
    std::vector<qint32> workKeys(static_cast<size_t>(n / 2 + 1));
    std::vector<Payload> workPayload(static_cast<size_t>(n / 2 + 1));

    struct Sorter {
        std::vector<qint32>& keys;
        std::vector<Payload>& payload;
        std::vector<qint32>& workKeys;
        std::vector<Payload>& workPayload;

        void sort(int lo, int hi) {
            if (lo >= hi) return;
            const int mid = (lo + hi) / 2;
            sort(lo, mid);
            sort(mid + 1, hi);

            const int leftCount = mid - lo + 1;
            for (int j = 0; j < leftCount; ++j) {
                workKeys[j] = keys[lo + j];
                workPayload[j] = std::move(payload[lo + j]);
            }
            int w = 0;        // next work item
            int r = mid + 1;  // next right item
            int out = lo;
            while (r <= hi && w < leftCount) {
                if (workKeys[w] < keys[r]) {
                    keys[out] = workKeys[w];
                    payload[out] = std::move(workPayload[w]);
                    ++w;
                } else {
                    keys[out] = keys[r];
                    payload[out] = std::move(payload[r]);
                    ++r;
                }
                ++out;
            }
            for (; w < leftCount; ++w, ++out) {
                keys[out] = workKeys[w];
                payload[out] = std::move(workPayload[w]);
            }
        }
    };
    Sorter{keys, payload, workKeys, workPayload}.sort(1, n);
}
