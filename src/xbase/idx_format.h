#pragma once
// The bytes of a single-order index (.IDX, the classic uncompressed layout):
// a 512-byte header, then 512-byte nodes. Nothing else in the engine knows an
// offset inside an IDX file.
#include <cstddef>
#include <cstdint>
#include <string>

namespace pc::xbase::idx {

constexpr uint32_t kPageSize = 512;
constexpr uint32_t kNoPage = 0xFFFFFFFF;
constexpr size_t kNodeHeader = 12;                      // attributes, count, left, right
constexpr size_t kEntryArea = kPageSize - kNodeHeader;  // key + 4-byte pointer each
constexpr size_t kExpressionSize = 220;
constexpr uint16_t kMaxKeyLength = 240;  // still two entries to a node
constexpr int kMaxDepth = 64;            // a guard against loops, far deeper than any tree

// Node attribute bits.
constexpr uint16_t kRootNode = 1;
constexpr uint16_t kLeafNode = 2;

// Header option bits.
constexpr uint8_t kOptUnique = 0x01;
constexpr uint8_t kOptFor = 0x08;
constexpr uint8_t kOptCompact = 0x20;

struct Header {
    uint32_t root = 0;
    uint32_t freeList = kNoPage;
    uint32_t end = 0;  // file size in bytes
    uint16_t keyLength = 0;
    uint8_t options = 0;
    std::string keyExpr;
    std::string forExpr;
};

// Parses the first 512 bytes; throws Error (Damaged) for anything that
// cannot be a header of a file of fileSize bytes.
Header parseHeader(const uint8_t* p, uint64_t fileSize, const std::string& path);
// Writes the whole 512-byte header, unused bytes zero.
void writeHeader(uint8_t* p, const Header& h);

struct Node {
    uint16_t attributes = 0;
    uint16_t count = 0;
    uint32_t left = kNoPage, right = kNoPage;
    const uint8_t* entries = nullptr;  // count entries of keyLength + 4 bytes
};

inline size_t entriesPerNode(uint16_t keyLength) {
    return kEntryArea / (size_t(keyLength) + 4);
}

// Reads the node at a page offset, checking that it lies in the file and
// that its entries fit the node.
Node readNode(const uint8_t* file, uint64_t fileSize, uint32_t offset, uint16_t keyLength,
              const std::string& path);

}  // namespace pc::xbase::idx
