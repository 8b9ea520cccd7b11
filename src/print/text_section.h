#pragma once
// Lines of text on the pages of a print job: a text section (left, top,
// right, bottom in inches from the page's edges), a current line that moves
// down line by line, the current font, and tab columns (width,
// justification, shade, a rule along the bottom) that can be saved and
// restored. Reports and data sheets print through it; new pages come from
// the job and are followed by the page header callback.
#include <QColor>
#include <QFont>
#include <QString>
#include <functional>
#include <vector>

#include "print/inches.h"

namespace pc::print {

class PrintEngine;

struct TabColumn {
    enum class Justify { Left, Right, Center };
    Inches width;
    Justify justify = Justify::Left;
    int shadePercent = 0;    // grey fill of the column on its line
    bool ruleBelow = false;  // a line along the column's bottom
};

class TextSection {
  public:
    explicit TextSection(PrintEngine& engine);
    TextSection(const TextSection&) = delete;
    TextSection& operator=(const TextSection&) = delete;

    // Drawn after every new page the section starts (not the first).
    std::function<void()> pageHeader;

    void setSection(Inches left, Inches top, Inches right, Inches bottom);
    Inches left() const { return left_; }
    Inches top() const { return top_; }
    Inches right() const { return right_; }
    Inches bottom() const { return bottom_; }
    Inches width() const { return right_ - left_; }

    void setFont(const QString& family, double points, bool bold = false, bool italic = false);
    void setBold(bool on);
    void setItalic(bool on);
    const QFont& font() const { return font_; }
    Inches lineHeight();
    Inches descent();

    // The current line's top.
    Inches y() const { return y_; }
    void setY(Inches y) { y_ = y; }
    void home() { y_ = top_; }
    void newLine() { y_ += lineHeight(); }
    // Whole lines that fit from the current line to the bottom.
    int linesLeft();
    // A new page of the job, then the page header; false when the job ended.
    bool newPage();
    int pageNumber() const;

    // Text on the current line: starting at x, ending at x, centred on x.
    void printLeft(const QString& text, Inches x);
    void printRight(const QString& text, Inches x);
    void printCenter(const QString& text, Inches x);
    // The text as a box of `width` shows it: the characters that start
    // inside it (a clip cuts the last one).
    QString cutToWidth(const QString& text, Inches width);
    // Text clipped to a box of `width` at x on the current line.
    void printClipped(const QString& text, Inches x, Inches width);
    void horizontalLine(Inches y, const QColor& color = Qt::black);

    // Columns, each starting where the previous ends, the first at `first`.
    void setColumns(Inches first, std::vector<TabColumn> columns);
    void saveColumns();
    void restoreColumns();
    void firstColumn() { column_ = 0; }
    // The column's text at the current column (clipped `inset` short of its
    // width), then the next column.
    void printColumn(const QString& text, Inches inset = Inches(0));
    Inches columnLeft(size_t index) const;

  private:
    void apply();
    struct Columns {
        Inches first;
        std::vector<TabColumn> list;
    };

    PrintEngine& engine_;
    Inches left_, top_, right_, bottom_, y_;
    QFont font_;
    int appliedPage_ = -1;  // a new page resets the painter
    Columns columns_;
    std::vector<Columns> saved_;
    size_t column_ = 0;
};

}  // namespace pc::print
