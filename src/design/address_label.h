#pragma once
// A multi-line object showing the mailing address composed from the
// current record.
#include "design/address_block.h"
#include "design/multi_line_label.h"

namespace pc::design {

class TGDMultiLineAddressLabel : public TGMultiLineBaseLabel {
  public:
    const char* className() const override { return "TGDMultiLineAddressLabel"; }

    // Stored after the base: the nine use-flags, ZipOptions, UpperCase.
    const AddressBlockOptions& options() const { return options_; }
    void setOptions(const AddressBlockOptions& options) { options_ = options; }

    void refreshData() override;
    void clearData() override;
    void writeProperties(PropertyWriter& out) const override;
    bool readProperty(const QByteArray& name, const StreamValue& value) override;

    // "Address Layout" OK: the new options, merged again.
    void commandAddressLayout(const AddressBlockOptions& options);

  private:
    AddressBlockOptions options_;
};

const char* identifier(ZipOptions options);

}  // namespace pc::design
