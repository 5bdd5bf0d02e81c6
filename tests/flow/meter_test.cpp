#include "flow/meter.h"
#include <gtest/gtest.h>
