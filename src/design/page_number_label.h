#pragma once
// The page number of a report: "##" on the design surface, the number of
// the page being printed on paper.
#include "design/base_label.h"

namespace pc::design {

class TGPageNumberLabel : public TGBaseLabel {
  public:
    TGPageNumberLabel();
    const char* className() const override { return "TGPageNumberLabel"; }

    // The page being printed; 0 shows the placeholder.
    void setPageNumber(int page);
    int pageNumber() const { return page_; }

  protected:
    void prepareCaption() override;

  private:
    int page_ = 0;
};

}  // namespace pc::design
