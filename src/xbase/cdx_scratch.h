#pragma once
// Large scratch arrays for building tags. Fresh memory costs a page fault per
// 4 KiB touched, which dominated building big tags; these arrays come from an
// anonymous mapping that may use huge pages, and untouched parts cost nothing.
#include <sys/mman.h>

#include <cstddef>
#include <new>
#include <type_traits>
#include <utility>

namespace pc::xbase::cdx {

template <class T>
class ScratchArray {
    static_assert(std::is_trivially_copyable_v<T>);

  public:
    ScratchArray() = default;
    explicit ScratchArray(size_t n) : size_(n) {
        if (n == 0) return;
        constexpr size_t kHuge = size_t(2) << 20;
        bytes_ = (n * sizeof(T) + kHuge - 1) / kHuge * kHuge;
        void* p =
            ::mmap(nullptr, bytes_, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
        if (p == MAP_FAILED) throw std::bad_alloc();
#ifdef MADV_HUGEPAGE
        ::madvise(p, bytes_, MADV_HUGEPAGE);
#endif
        data_ = static_cast<T*>(p);
    }
    ~ScratchArray() {
        if (data_) ::munmap(data_, bytes_);
    }
    ScratchArray(ScratchArray&& o) noexcept {
        swap(o);
    }
    ScratchArray& operator=(ScratchArray&& o) noexcept {
        swap(o);
        return *this;
    }
    void swap(ScratchArray& o) noexcept {
        std::swap(data_, o.data_);
        std::swap(size_, o.size_);
        std::swap(bytes_, o.bytes_);
    }
    T* data() {
        return data_;
    }
    const T* data() const {
        return data_;
    }
    size_t size() const {
        return size_;
    }
    // Shortens the logical size (the memory stays).
    void shrink(size_t n) {
        size_ = n < size_ ? n : size_;
    }
    T& operator[](size_t i) {
        return data_[i];
    }
    const T& operator[](size_t i) const {
        return data_[i];
    }

  private:
    T* data_ = nullptr;
    size_t size_ = 0;
    size_t bytes_ = 0;
};

}  // namespace pc::xbase::cdx
