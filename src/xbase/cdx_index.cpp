#include "xbase/cdx_index.h"
