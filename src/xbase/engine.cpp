#include "xbase/engine.h"
