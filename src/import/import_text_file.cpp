#include "import/import_text_file.h"

#include <array>

#include "import/ascii_line_splitter.h"
#include "xbase/codepage.h"

namespace pc::import {

namespace {

constexpr qint64 kChunk = 1 << 16;
// Bytes of one line kept for decoding: enough for kLineBufferSize characters
// in any encoding; the rest of a longer line is skipped unread.
constexpr qsizetype kLineBytes = kLineBufferSize * 4;

// Checks UTF-8 incrementally across chunk boundaries.
class Utf8Check {
  public:
    void feed(const char* data, qint64 n) {
        for (qint64 i = 0; i < n && valid_; ++i) {
            const auto b = static_cast<unsigned char>(data[i]);
            if (pending_ == 0) {
                if (b < 0x80) continue;
                nonAscii_ = true;
                if (b >= 0xC2 && b <= 0xDF) {
                    pending_ = 1;
                } else if (b >= 0xE0 && b <= 0xEF) {
                    pending_ = 2;
                    lead_ = b;
                } else if (b >= 0xF0 && b <= 0xF4) {
                    pending_ = 3;
                    lead_ = b;
                } else {
                    valid_ = false;
                }
                first_ = true;
                continue;
            }
            if ((b & 0xC0) != 0x80) {
                valid_ = false;
                continue;
            }
            // Overlong forms and surrogates are not UTF-8.
            if (first_ && ((lead_ == 0xE0 && b < 0xA0) || (lead_ == 0xED && b > 0x9F) ||
                           (lead_ == 0xF0 && b < 0x90) || (lead_ == 0xF4 && b > 0x8F)))
                valid_ = false;
            first_ = false;
            lead_ = 0;
            --pending_;
        }
    }
    bool utf8() const { return valid_ && pending_ == 0 && nonAscii_; }

  private:
    int pending_ = 0;
    unsigned char lead_ = 0;
    bool first_ = false;
    bool valid_ = true;
    bool nonAscii_ = false;
};

const std::array<QChar, 256>& windows1252Table() {
    static const std::array<QChar, 256> table = [] {
        std::array<QChar, 256> t{};
        for (int b = 0; b < 256; ++b) {
            const char byte = static_cast<char>(b);
            const QString s = QString::fromStdString(pc::xbase::toUtf8({&byte, 1}, 1252));
            t[b] = s.size() == 1 ? s.front() : QChar(b);
        }
        return t;
    }();
    return table;
}

}  // namespace

QString encodingName(TextEncoding encoding) {
    switch (encoding) {
        case TextEncoding::Utf8:
            return QStringLiteral("UTF-8");
        case TextEncoding::Utf8WithBom:
            return QStringLiteral("UTF-8 with byte order mark");
        case TextEncoding::Windows1252:
            break;
    }
    return QStringLiteral("Windows-1252");
}

QString fromWindows1252(const QByteArray& bytes) {
    const auto& table = windows1252Table();
    QString text(bytes.size(), Qt::Uninitialized);
    QChar* out = text.data();
    for (const char c : bytes) *out++ = table[static_cast<unsigned char>(c)];
    return text;
}

bool ImportTextFile::open(const QString& path) {
    close();
    file_.setFileName(path);
    if (!file_.open(QIODevice::ReadOnly)) return false;
    if (!scan() || !rewind()) {
        close();
        return false;
    }
    return true;
}

void ImportTextFile::close() {
    if (file_.isOpen()) file_.close();
    buffer_.clear();
    pos_ = 0;
    lineCount_ = 0;
    atEnd_ = false;
    failed_ = false;
    encoding_ = TextEncoding::Windows1252;
}

bool ImportTextFile::scan() {
    Utf8Check check;
    QByteArray chunk(kChunk, Qt::Uninitialized);
    bool first = true, bom = false;
    char last = '\n';  // an empty file has no lines
    bool afterCr = false;
    int lines = 0;
    for (;;) {
        const qint64 n = file_.read(chunk.data(), kChunk);
        if (n < 0) return false;
        if (n == 0) break;
        const char* data = chunk.constData();
        qint64 start = 0;
        if (first) {
            first = false;
            bom = n >= 3 && data[0] == '\xEF' && data[1] == '\xBB' && data[2] == '\xBF';
            if (bom) start = 3;
        }
        check.feed(data + start, n - start);
        for (qint64 i = start; i < n; ++i) {
            const char c = data[i];
            if (c == '\n') {
                if (!afterCr) ++lines;
            } else if (c == '\r') {
                ++lines;
            }
            afterCr = c == '\r';
            last = c;
        }
        if (n > start) last = data[n - 1];
    }
    if (last != '\n' && last != '\r') ++lines;
    lineCount_ = lines;
    encoding_ = bom            ? TextEncoding::Utf8WithBom
                : check.utf8() ? TextEncoding::Utf8
                               : TextEncoding::Windows1252;
    return true;
}

bool ImportTextFile::rewind() {
    buffer_.clear();
    pos_ = 0;
    atEnd_ = false;
    failed_ = false;
    if (!file_.seek(encoding_ == TextEncoding::Utf8WithBom ? 3 : 0)) {
        failed_ = true;
        return false;
    }
    return true;
}

bool ImportTextFile::fill() {
    if (atEnd_) return false;
    buffer_.resize(kChunk);
    const qint64 n = file_.read(buffer_.data(), kChunk);
    pos_ = 0;
    if (n <= 0) {
        buffer_.clear();
        atEnd_ = true;
        failed_ = n < 0;
        return false;
    }
    buffer_.resize(n);
    return true;
}

bool ImportTextFile::readLine(QString& line) {
    QByteArray bytes;
    bool any = false;
    for (;;) {
        if (pos_ >= buffer_.size() && !fill()) {
            if (failed_) return false;
            if (!any) return false;
            break;
        }
        any = true;
        const char* data = buffer_.constData();
        const qsizetype size = buffer_.size();
        qsizetype end = pos_;
        while (end < size && data[end] != '\n' && data[end] != '\r') ++end;
        const qsizetype room = kLineBytes - bytes.size();
        if (room > 0) bytes.append(data + pos_, std::min(room, end - pos_));
        if (end == size) {
            pos_ = size;
            continue;
        }
        pos_ = end + 1;
        if (data[end] == '\r') {
            if (pos_ >= size && !fill() && failed_) return false;
            if (pos_ < buffer_.size() && buffer_.at(pos_) == '\n') ++pos_;
        }
        break;
    }
    line = decode(bytes);
    return true;
}

QString ImportTextFile::decode(const QByteArray& bytes) const {
    if (encoding_ == TextEncoding::Windows1252) return fromWindows1252(bytes);
    return QString::fromUtf8(bytes);
}

}  // namespace pc::import
