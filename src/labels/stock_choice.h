#pragma once
// What a layout takes when its stock changes: from a template row of
// LBLTPL.DBF, or from the values of the user-defined stock dialog.
#include "labels/label_definition.h"
#include "labels/stock_values.h"

namespace pc::data {
class TTable;
}

namespace pc::labels {

// The geometry, paper, printer, maker, product type, shape, gaps and
// picture of the template row the table rests on; its description becomes
// the template description.
void takeTemplate(const pc::data::TTable& templates, LabelDefinition& definition);
// A user-defined stock: geometry, paper and shape from the dialog; no
// template, printer, product type or picture; maker "USER"; no gaps.
void takeUserStock(const StockValues& values, LabelDefinition& definition);
// The dialog's starting values for a layout.
StockValues stockValuesOf(const LabelDefinition& definition);

}  // namespace pc::labels
