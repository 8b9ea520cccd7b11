#pragma once
// A text file being imported, read line by line. Opening it reads it once
// through to count its lines and to tell UTF-8 (with or without a byte
// order mark) from Windows-1252. CR LF, LF and a lone CR each end a line;
// a last line without an end counts.
#include <QByteArray>
#include <QFile>
#include <QString>
#include <memory>

namespace pc::import {

enum class TextEncoding { Windows1252, Utf8, Utf8WithBom };

QString encodingName(TextEncoding encoding);

class ImportTextFile {
  public:
    ImportTextFile() = default;
    ImportTextFile(const ImportTextFile&) = delete;
    ImportTextFile& operator=(const ImportTextFile&) = delete;

    // Opens and scans the file; false when it cannot be read.
    bool open(const QString& path);
    void close();
    bool isOpen() const { return file_.isOpen(); }

    TextEncoding encoding() const { return encoding_; }
    int lineCount() const { return lineCount_; }

    // Back to the first line.
    bool rewind();
    // The next line without its end, decoded; false at the end of the file
    // or on a read error (failed() then says which).
    bool readLine(QString& line);
    bool failed() const { return failed_; }

  private:
    bool fill();
    bool scan();
    QString decode(const QByteArray& bytes) const;

    QFile file_;
    TextEncoding encoding_ = TextEncoding::Windows1252;
    int lineCount_ = 0;
    QByteArray buffer_;
    qsizetype pos_ = 0;
    bool atEnd_ = false;
    bool failed_ = false;
};

// Decodes bytes of a file in Windows-1252 (bytes it leaves undefined map to
// the control characters of the same number, as Windows does).
QString fromWindows1252(const QByteArray& bytes);

}  // namespace pc::import
