#pragma once
// Builds records in memory for expression tests: fields laid out one after
// another behind the deletion flag, values given as the text a DBF stores.
#include <gtest/gtest.h>

#include <initializer_list>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "xbase/expression.h"

namespace pc::test {

struct FieldSpec {
    const char* name;
    char type;
    uint16_t width;
    uint8_t decimals = 0;
};

class TestTable {
  public:
    TestTable(std::initializer_list<FieldSpec> specs) {
        uint32_t offset = 1;
        for (const auto& s : specs) {
            xbase::FieldDef f;
            f.name = s.name;
            f.type = s.type;
            f.width = s.width;
            f.decimals = s.decimals;
            f.offset = offset;
            offset += s.width;
            fields.push_back(f);
        }
        size = offset;
    }

    // Values by field name, as stored: C is padded, N right-aligned, D
    // "YYYYMMDD", L "T"/"F". Fields not named are blank.
    std::string record(const std::map<std::string, std::string>& values,
                       bool deleted = false) const {
        std::string r(size, ' ');
        r[0] = deleted ? '*' : ' ';
        for (const auto& f : fields) {
            auto it = values.find(f.name);
            if (it == values.end()) continue;
            std::string v = it->second.substr(0, f.width);
            size_t at = f.offset + (f.type == 'N' || f.type == 'F' ? f.width - v.size() : 0);
            r.replace(at, v.size(), v);
        }
        return r;
    }

    std::unique_ptr<xbase::Expression> compile(const std::string& text,
                                               const xbase::ExprSettings* s = nullptr) const {
        std::string error;
        auto e = xbase::Expression::compile(text, fields, s, &error);
        EXPECT_TRUE(e) << text << ": " << error;
        return e;
    }

    std::string error(const std::string& text, const xbase::ExprSettings* s = nullptr) const {
        std::string error;
        auto e = xbase::Expression::compile(text, fields, s, &error);
        EXPECT_FALSE(e) << text << " compiled";
        EXPECT_FALSE(error.empty()) << text;
        return error;
    }

    xbase::Value eval(const std::string& text, const std::string& rec,
                      const xbase::ExprSettings* s = nullptr,
                      const xbase::MemoSource* memo = nullptr, uint32_t recno = 1) const {
        auto e = compile(text, s);
        if (!e) return {};
        return e->evaluate({rec.data(), recno, memo});
    }

    std::vector<xbase::FieldDef> fields;
    size_t size = 1;
};

// The 23-field address schema with its default widths.
inline TestTable addressTable() {
    return TestTable{
        {"LNAME", 'C', 30}, {"FNAME", 'C', 30}, {"MIDDLE", 'C', 1},  {"PREFIX", 'C', 12},
        {"TITLE", 'C', 30}, {"ORG", 'C', 30},   {"STREET", 'C', 40}, {"STREET2", 'C', 40},
        {"CITY", 'C', 30},  {"STATE", 'C', 20}, {"ZIP", 'C', 10},    {"COUNTRY", 'C', 30},
        {"DATE", 'C', 15},  {"PHONE", 'C', 30}, {"PHONE2", 'C', 30}, {"FAX", 'C', 40},
        {"EMAIL", 'C', 40}, {"CODES", 'C', 30}, {"USER1", 'C', 40},  {"USER2", 'C', 40},
        {"ISDEL", 'L', 1},  {"TAG", 'C', 8},    {"MEMO", 'M', 10}};
}

}  // namespace pc::test
