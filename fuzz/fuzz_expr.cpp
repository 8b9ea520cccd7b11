// Compiles arbitrary text against a fixed field list; whatever compiles is
// evaluated on a few fixed records and turned into keys.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "xbase/expression.h"

namespace {

using pc::xbase::FieldDef;

std::vector<FieldDef> makeFields() {
    struct Spec {
        const char* name;
        char type;
        uint16_t width;
    } specs[] = {{"NAME", 'C', 10}, {"AMOUNT", 'N', 12}, {"BORN", 'D', 8},  {"FLAG", 'L', 1},
                 {"NOTE", 'M', 10}, {"ORG", 'C', 6},     {"COUNT", 'I', 4}, {"PRICE", 'Y', 8},
                 {"RATIO", 'B', 8}, {"STAMP", 'T', 8}};
    std::vector<FieldDef> out;
    uint32_t offset = 1;
    for (const auto& s : specs) {
        FieldDef f;
        f.name = s.name;
        f.type = s.type;
        f.width = s.width;
        f.decimals = s.type == 'N' ? 2 : 0;
        f.offset = offset;
        offset += s.width;
        out.push_back(f);
    }
    return out;
}

class FixedMemo : public pc::xbase::MemoSource {
  public:
    std::string memoText(const char*, uint32_t, int) const override { return "memo \xE9 text  "; }
};

// Record layout matches makeFields(): 1 + 10 + 12 + 8 + 1 + 10 + 6 + 4 + 8 + 8 + 8.
const std::vector<std::string>& records() {
    static const std::vector<std::string> recs = [] {
        std::vector<std::string> r = {
            std::string(" Smith       -1000000.00"
                        "19540215"
                        "T"
                        "         1"
                        "Acme  ") +
                std::string("\x01\x00\x00\x80", 4) + std::string(8, '\xFF') +
                std::string(8, '\x7F') + "20240101",
            std::string(77, ' '),
            std::string("*\xE9\xFF\x00zZ@[`{~  9e999999999"
                        "99999999"
                        "?"
                        "abc       "
                        "\x80\x81") +
                std::string(30, '\0'),
        };
        for (auto& x : r) x.resize(77, ' ');
        return r;
    }();
    return recs;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const std::vector<FieldDef> fields = makeFields();
    static const FixedMemo memo;
    std::string text(reinterpret_cast<const char*>(data), size);
    for (int variant = 0; variant < 2; ++variant) {
        pc::xbase::ExprSettings settings;
        settings.exact = variant == 1;
        settings.century = variant == 0;
        settings.codePage = variant == 0 ? 1252 : 866;
        settings.dateFormat = variant == 0 ? "MM/DD/YYYY" : "YYYY.DD.MM";
        std::string error;
        auto e = pc::xbase::Expression::compile(text, fields, &settings, &error);
        if (!e) {
            if (error.empty()) __builtin_trap();
            return 0;
        }
        std::vector<uint8_t> key(size_t(e->keyLength()) + 1, 0xA5);
        for (const auto& r : records()) {
            for (const pc::xbase::MemoSource* m :
                 {static_cast<const pc::xbase::MemoSource*>(&memo),
                  static_cast<const pc::xbase::MemoSource*>(nullptr)}) {
                pc::xbase::RecordRef ref{r.data(), 7, m};
                e->evaluate(ref);
                e->evalLogical(ref);
                e->evalKey(ref, key.data());
                if (key.back() != 0xA5) __builtin_trap();  // wrote past keyLength()
            }
        }
        e->evaluate({});
    }
    return 0;
}
