#include "xbase/expression.h"

#include <algorithm>
#include <cstring>

#include "xbase/expr_parser.h"

namespace pc::xbase {
namespace {

const ExprSettings kDefaultSettings;

class CompiledExpression final : public Expression {
  public:
    CompiledExpression(std::string text, expr::NodePtr root, const std::vector<FieldDef>& fields,
                       ExprReads reads)
        : text_(std::move(text)), root_(std::move(root)), reads_(std::move(reads)) {
        switch (root_->type) {
            case ValueType::Character:
                keyLength_ = uint16_t(std::min<uint32_t>(root_->width, UINT16_MAX));
                break;
            case ValueType::Logical:
                keyLength_ = 1;
                break;
            default:
                keyLength_ = kNumericKeyLength;
        }
        // Stands in for a missing record: blanks read as empty values.
        size_t size = 1;
        for (const auto& f : fields) size = std::max<size_t>(size, size_t(f.offset) + f.width);
        blankRecord_.assign(size, ' ');
    }

    const std::string& text() const override { return text_; }
    const ExprReads& reads() const override { return reads_; }
    ValueType type() const override { return root_->type; }
    uint16_t keyLength() const override { return keyLength_; }

    Value evaluate(const RecordRef& rec) const override {
        RecordRef r = usable(rec);
        Value v;
        v.type = root_->type;
        switch (v.type) {
            case ValueType::Character:
                v.text.assign(root_->str(r));
                break;
            case ValueType::Logical:
                v.logical = root_->logic(r);
                break;
            default:
                v.number = root_->num(r);
        }
        return v;
    }

    bool evalLogical(const RecordRef& rec) const override {
        return root_->type == ValueType::Logical && root_->logic(usable(rec));
    }

    void evalKey(const RecordRef& rec, uint8_t* out) const override {
        RecordRef r = usable(rec);
        switch (root_->type) {
            case ValueType::Character: {
                key_.clear();
                root_->appendStr(r, key_);
                size_t n = std::min<size_t>(key_.size(), keyLength_);
                if (n) std::memcpy(out, key_.data(), n);
                if (n < keyLength_) std::memset(out + n, ' ', keyLength_ - n);
                break;
            }
            case ValueType::Logical:
                out[0] = root_->logic(r) ? 'T' : 'F';
                break;
            default:
                encodeNumericKey(root_->num(r), out);
        }
    }

  private:
    RecordRef usable(const RecordRef& rec) const {
        if (rec.data) return rec;
        RecordRef r = rec;
        r.data = blankRecord_.data();
        return r;
    }

    std::string text_;
    expr::NodePtr root_;
    ExprReads reads_;
    uint16_t keyLength_ = 0;
    std::string blankRecord_;
    mutable std::string key_;
};

}  // namespace

std::unique_ptr<Expression> Expression::compile(std::string_view text,
                                                const std::vector<FieldDef>& fields,
                                                const ExprSettings* settings, std::string* error) {
    std::string ignored;
    if (!error) error = &ignored;
    error->clear();
    try {
        ExprReads reads;
        expr::NodePtr root = expr::parseExpression(
            text, fields, settings ? settings : &kDefaultSettings, error, &reads);
        if (!root) return nullptr;
        return std::make_unique<CompiledExpression>(std::string(text), std::move(root), fields,
                                                    std::move(reads));
    } catch (const std::exception& e) {
        *error = std::string("Cannot compile the expression: ") + e.what();
        return nullptr;
    }
}

KeyType Expression::keyType() const {
    switch (type()) {
        case ValueType::Character:
            return KeyType::Character;
        case ValueType::Numeric:
            return KeyType::Numeric;
        case ValueType::Date:
            return KeyType::Date;
        default:
            return KeyType::Logical;
    }
}

std::string quoteLiteral(std::string_view text) {
    if (text.empty()) return "\"\"";
    // Each piece goes in the delimiter that lets it run longest; a piece can
    // always hold at least one character, since a character is at most one
    // of the three closers.
    std::string out;
    while (!text.empty()) {
        static constexpr struct {
            char open, close;
        } kQuotes[] = {{'"', '"'}, {'\'', '\''}, {'[', ']'}};
        size_t bestLen = 0;
        int best = 0;
        for (int q = 0; q < 3; ++q) {
            size_t len = std::min(text.find(kQuotes[q].close), text.size());
            if (len > bestLen) bestLen = len, best = q;
        }
        if (!out.empty()) out += '+';
        out += kQuotes[best].open;
        out.append(text.substr(0, bestLen));
        out += kQuotes[best].close;
        text.remove_prefix(bestLen);
    }
    return out;
}

}  // namespace pc::xbase
