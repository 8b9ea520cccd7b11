#pragma once
// Which records pass the query and the deleted filter, one bit per record,
// with their count. Built once by a tight scan and then kept up to date
// record by record as the work area writes, so moves over sparse matches
// and repeated counts cost next to nothing.
#include <bit>
#include <cstdint>
#include <vector>

namespace pc::xbase {

class QueryCache {
  public:
    bool valid() const { return valid_; }
    void invalidate() {
        valid_ = false;
        bits_.clear();
        count_ = 0;
        size_ = 0;
    }
    // All records cleared, for a table of n records.
    void reset(uint32_t n) {
        bits_.assign((size_t(n) + 64) / 64, 0);
        size_ = n;
        count_ = 0;
        valid_ = true;
    }
    void grow(uint32_t n) {
        if (n <= size_) return;
        bits_.resize((size_t(n) + 64) / 64, 0);
        size_ = n;
    }
    uint32_t size() const { return size_; }
    uint32_t count() const { return count_; }

    bool test(uint32_t recno) const {
        return recno >= 1 && recno <= size_ && (bits_[recno >> 6] >> (recno & 63) & 1);
    }
    void set(uint32_t recno, bool on) {
        if (recno < 1 || recno > size_) return;
        uint64_t& w = bits_[recno >> 6];
        uint64_t m = uint64_t(1) << (recno & 63);
        if (on && !(w & m)) {
            w |= m;
            ++count_;
        } else if (!on && (w & m)) {
            w &= ~m;
            --count_;
        }
    }
    // First marked record after `from` (0 when none).
    uint32_t nextAfter(uint32_t from) const {
        uint64_t i = uint64_t(from) + 1;
        if (i > size_) return 0;
        size_t w = i >> 6;
        uint64_t word = bits_[w] & (~uint64_t(0) << (i & 63));
        while (true) {
            if (word) {
                uint64_t r = (uint64_t(w) << 6) + std::countr_zero(word);
                return r <= size_ ? uint32_t(r) : 0;
            }
            if (++w >= bits_.size()) return 0;
            word = bits_[w];
        }
    }
    // Last marked record before `from` (0 when none).
    uint32_t prevBefore(uint32_t from) const {
        if (from <= 1) return 0;
        uint64_t i = std::min<uint64_t>(uint64_t(from) - 1, size_);
        size_t w = i >> 6;
        uint64_t shift = 63 - (i & 63);
        uint64_t word = bits_[w] & (~uint64_t(0) >> shift);
        while (true) {
            if (word) {
                uint64_t r = (uint64_t(w) << 6) + 63 - std::countl_zero(word);
                return r >= 1 ? uint32_t(r) : 0;
            }
            if (w == 0) return 0;
            word = bits_[--w];
        }
    }

  private:
    std::vector<uint64_t> bits_;
    uint32_t size_ = 0;
    uint32_t count_ = 0;
    bool valid_ = false;
};

}  // namespace pc::xbase
