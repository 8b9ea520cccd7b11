// The index check: the file's structure, then every tag's entries against
// the keys the records give (all of them, or a spread sample on open).
#include <algorithm>
#include <cstring>
#include <vector>

#include "xbase/cdx_key_sort.h"
#include "xbase/error.h"
#include "xbase/work_area.h"

namespace pc::xbase {

std::string WorkArea::checkIndex(IndexCheck depth) {
    flush();
    if (indexStale_) return staleReason_;
    if (!index_) return {};
    try {
        std::string fault = index_->verify();
        if (!fault.empty()) return fault;
        if (depth == IndexCheck::Sampled) return checkSampledKeys();
        const uint32_t n = table_->recordCount();
        table_->prefaultForScan();
        std::vector<uint8_t> keys;
        std::vector<uint32_t> recnos;
        for (size_t t = 0; t < tags_.size(); ++t) {
            const CdxTagInfo& info = index_->tags()[t];
            const uint16_t kl = info.keyLength;
            const std::string where = "tag " + info.name + ": ";
            keys.resize(size_t(n) * kl);
            recnos.clear();
            for (uint32_t r = 1; r <= n; ++r) {
                const char* rec = table_->record(r);
                if (tags_[t].forCond && !tags_[t].forCond->evalLogical(ref(rec, r))) continue;
                makeKey(t, rec, r, keys.data() + recnos.size() * kl);
                recnos.push_back(r);
            }
            auto order = cdx::sortKeyOrder(keys.data(), recnos.data(), recnos.size(), kl);
            auto cursor = index_->cursor(static_cast<int>(t));
            bool on = cursor->first();
            const uint8_t* prevKey = nullptr;
            for (size_t i = 0; i < recnos.size(); ++i) {
                const uint8_t* key = keys.data() + size_t(order[i]) * kl;
                uint32_t recno = recnos[order[i]];
                // A unique tag keeps the first record of each key.
                if (info.unique && prevKey && std::memcmp(prevKey, key, kl) == 0) continue;
                prevKey = key;
                if (!on) return where + "record " + std::to_string(recno) + " has no entry";
                if (cursor->recno() != recno || std::memcmp(cursor->key(), key, kl) != 0)
                    return where + "the entry for record " + std::to_string(cursor->recno()) +
                           " does not match the records (record " + std::to_string(recno) +
                           " expected there)";
                on = cursor->next();
            }
            if (on)
                return where + "entry for record " + std::to_string(cursor->recno()) +
                       " has no record";
        }
    } catch (const Error& e) {
        return e.what();
    }
    return {};
}

// Looks up the entries of records spread evenly over the table, a few
// hundred per tag: an index left behind by changes made without it (another
// program, a table copied back) shows at once, at the cost of seeks only.
std::string WorkArea::checkSampledKeys() {
    constexpr uint32_t kSamples = 256;
    const uint32_t n = table_->recordCount();
    const uint32_t step = std::max<uint32_t>(1, n / kSamples);
    std::vector<uint8_t> key;
    for (size_t t = 0; t < tags_.size(); ++t) {
        const CdxTagInfo& info = index_->tags()[t];
        const uint16_t kl = info.keyLength;
        key.resize(kl);
        auto cursor = index_->cursor(static_cast<int>(t));
        for (uint32_t r = 1; r <= n; r += step) {
            const char* rec = table_->record(r);
            if (tags_[t].forCond && !tags_[t].forCond->evalLogical(ref(rec, r))) continue;
            makeKey(t, rec, r, key.data());
            // A unique tag holds one record of each key, not always this one.
            const bool on =
                info.unique ? cursor->seek(key.data(), kl) : cursor->seekEntry(key.data(), r);
            if (!on || std::memcmp(cursor->key(), key.data(), kl) != 0 ||
                (!info.unique && cursor->recno() != r))
                return "tag " + info.name + ": record " + std::to_string(r) +
                       " has no entry for its key";
        }
    }
    return {};
}

}  // namespace pc::xbase
