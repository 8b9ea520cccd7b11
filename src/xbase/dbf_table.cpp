#include "xbase/dbf_table.h"
