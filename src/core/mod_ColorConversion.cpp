#include "core/mod_ColorConversion.h"
