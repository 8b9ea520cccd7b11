#pragma once
// The filter query lives with the table layer so the command line can use it.
#include "data/filter_query.h"

namespace pc::app {

using pc::data::engineQuery;
using pc::data::filterTooComplex;
using pc::data::kMaxFilterLength;
using pc::data::kNotDeletedQuery;

}  // namespace pc::app
