#include "xbase/idx_format.h"

#include <algorithm>
#include <cstring>

#include "xbase/byte_order.h"
#include "xbase/error.h"

namespace pc::xbase::idx {
namespace {

[[noreturn]] void damaged(const std::string& path, const std::string& what) {
    throw Error("The index " + path + " is damaged: " + what, ErrorKind::Damaged);
}

std::string cString(const uint8_t* p, size_t max) {
    size_t n = 0;
    while (n < max && p[n]) ++n;
    std::string s(reinterpret_cast<const char*>(p), n);
    while (!s.empty() && s.back() == ' ') s.pop_back();
    return s;
}

bool pageInFile(uint32_t offset, uint64_t fileSize) {
    return offset >= kPageSize && offset % kPageSize == 0 &&
           uint64_t(offset) + kPageSize <= fileSize;
}

}  // namespace

Header parseHeader(const uint8_t* p, uint64_t fileSize, const std::string& path) {
    if (fileSize < 2 * kPageSize) damaged(path, "the file is too short");
    Header h;
    h.root = le32(p);
    h.freeList = le32(p + 4);
    h.end = le32(p + 8);
    h.keyLength = le16(p + 12);
    h.options = p[14];
    h.keyExpr = cString(p + 16, kExpressionSize);
    h.forExpr = cString(p + 16 + kExpressionSize, kExpressionSize);
    if (h.options & kOptCompact)
        throw Error(
            "The index " + path + " is a compact single-order index, which is not supported",
            ErrorKind::Invalid);
    if (h.keyLength == 0 || h.keyLength > kMaxKeyLength) damaged(path, "bad key length");
    if (!pageInFile(h.root, fileSize)) damaged(path, "the root node lies outside the file");
    if (h.keyExpr.empty()) damaged(path, "no key expression");
    return h;
}

void writeHeader(uint8_t* p, const Header& h) {
    std::memset(p, 0, kPageSize);
    putLe32(p, h.root);
    putLe32(p + 4, h.freeList);
    putLe32(p + 8, h.end);
    putLe16(p + 12, h.keyLength);
    p[14] = h.options;
    std::memcpy(p + 16, h.keyExpr.data(), std::min(h.keyExpr.size(), kExpressionSize - 1));
    std::memcpy(p + 16 + kExpressionSize, h.forExpr.data(),
                std::min(h.forExpr.size(), kExpressionSize - 1));
}

Node readNode(const uint8_t* file, uint64_t fileSize, uint32_t offset, uint16_t keyLength,
              const std::string& path) {
    if (!pageInFile(offset, fileSize))
        damaged(path, "node " + std::to_string(offset) + " lies outside the file");
    const uint8_t* p = file + offset;
    Node n;
    n.attributes = le16(p);
    n.count = le16(p + 2);
    n.left = le32(p + 4);
    n.right = le32(p + 8);
    n.entries = p + kNodeHeader;
    if (n.count > entriesPerNode(keyLength))
        damaged(path, "node " + std::to_string(offset) + " holds too many keys");
    return n;
}

}  // namespace pc::xbase::idx
