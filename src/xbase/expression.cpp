#include "xbase/expression.h"
