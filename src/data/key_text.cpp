#include "data/key_text.h"

#include "xbase/codepage.h"

namespace pc::data {

namespace {

constexpr int kKeyCodePage = 1252;
constexpr int kMemoSearchLength = 32767;

}  // namespace

QString upperKeyText(const QString& text) {
    const QByteArray utf8 = text.toUtf8();
    std::string bytes =
        pc::xbase::fromUtf8(std::string_view(utf8.constData(), utf8.size()), kKeyCodePage);
    const uint8_t* upper = pc::xbase::upperTable(kKeyCodePage);
    for (char& c : bytes) c = static_cast<char>(upper[static_cast<uint8_t>(c)]);
    return QString::fromStdString(pc::xbase::toUtf8(bytes, kKeyCodePage));
}

bool memoContains(const QString& memo, const QString& search) {
    if (memo.isEmpty() || search.isEmpty()) return false;
    return upperKeyText(memo.left(kMemoSearchLength)).contains(upperKeyText(search));
}

}  // namespace pc::data
