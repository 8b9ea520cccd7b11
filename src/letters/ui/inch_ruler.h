#pragma once
// The designer's ruler in inches: the page's text width between its
// margins, with the current paragraph's first, left and right indents.
#include <QWidget>

#include "letters/paragraph_settings.h"
#include "richtext/page_setup.h"

namespace pc::letters {

class InchRuler : public QWidget {
    Q_OBJECT
  public:
    explicit InchRuler(QWidget* parent = nullptr);
    void setPage(const richtext::PageSetup& page);
    void setParagraph(const ParagraphSettings& paragraph);
    // Where the text's left edge lies in the ruler (the editor's offset).
    void setTextOrigin(int pixels);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    int toPixels(int twips) const;

    richtext::PageSetup page_;
    ParagraphSettings paragraph_;
    int origin_ = 0;
};

}  // namespace pc::letters
