#include "twovalue/twovalue.h"
