#pragma once
// Where pdftotext finds words in a PDF the command line wrote: the checks
// of printed positions.
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "run_process.h"

namespace pc::test {

struct Word {
    double x, y;  // inches from the page's top-left
};

// Every place pdftotext finds the word, page by page; none without it.
inline std::vector<std::vector<Word>> wordPlaces(const std::string& pdf, const std::string& word) {
    std::vector<std::vector<Word>> pages;
    const ProcessResult r = runProcess({"pdftotext", "-bbox", pdf, "-"});
    if (r.status != 0) return pages;
    size_t at = 0;
    for (;;) {
        const size_t page = r.out.find("<page", at);
        const size_t w = r.out.find(">" + word + "</word>", at);
        if (page != std::string::npos && (w == std::string::npos || page < w)) {
            pages.emplace_back();
            at = page + 5;
            continue;
        }
        if (w == std::string::npos) break;
        const size_t start = r.out.rfind("<word", w);
        const auto number = [&](const char* key) {
            const size_t k = r.out.find(key, start);
            return std::stod(r.out.substr(k + std::string(key).size())) / 72;
        };
        pages.back().push_back({number("xMin=\""), number("yMin=\"")});
        at = w + 1;
    }
    return pages;
}

// Where the word first stands: its left and top in points; none without it.
inline std::optional<std::pair<double, double>> wordAt(const std::string& pdf,
                                                       const std::string& word) {
    for (const std::vector<Word>& page : wordPlaces(pdf, word))
        if (!page.empty()) return std::make_pair(page.front().x * 72, page.front().y * 72);
    return std::nullopt;
}

}  // namespace pc::test
