#include "xbase/codepage.h"
