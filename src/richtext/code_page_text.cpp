#include "richtext/code_page_text.h"

#include <QStringDecoder>
#include <string>

#include "xbase/codepage.h"

namespace pc::richtext {

int codePageOfCharset(int charset) {
    switch (charset) {
        case 77:
            return 10000;
        case 128:
            return 932;
        case 129:
            return 949;
        case 130:
            return 1361;
        case 134:
            return 936;
        case 136:
            return 950;
        case 161:
            return 1253;
        case 162:
            return 1254;
        case 163:
            return 1258;
        case 177:
            return 1255;
        case 178:
            return 1256;
        case 186:
            return 1257;
        case 204:
            return 1251;
        case 222:
            return 874;
        case 238:
            return 1250;
        case 254:
            return 437;
        case 255:
            return 850;
        default:
            return 0;
    }
}

QString decodeCodePage(const QByteArray& bytes, int codePage) {
    if (bytes.isEmpty()) return {};
    if (codePage != 1252 && codePage != 0 && pc::xbase::markFromCodePage(codePage) == 0) {
        QByteArray name =
            codePage == 65001 ? QByteArray("UTF-8") : "windows-" + QByteArray::number(codePage);
        QStringDecoder decoder(name.constData());
        if (!decoder.isValid())
            decoder = QStringDecoder(("CP" + QByteArray::number(codePage)).constData());
        if (decoder.isValid()) return decoder.decode(bytes);
        codePage = 1252;
    }
    std::string utf8 =
        pc::xbase::toUtf8(std::string_view(bytes.constData(), bytes.size()), codePage);
    return QString::fromUtf8(utf8.data(), qsizetype(utf8.size()));
}

bool encodeWindows1252(QChar c, unsigned char* byte) {
    char16_t u = c.unicode();
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF)) {
        *byte = static_cast<unsigned char>(u);
        return true;
    }
    static const char16_t kHigh[32] = {
        0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
        0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
        0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};
    for (int i = 0; i < 32; ++i)
        if (kHigh[i] != 0 && kHigh[i] == u) {
            *byte = static_cast<unsigned char>(0x80 + i);
            return true;
        }
    return false;
}

}  // namespace pc::richtext
