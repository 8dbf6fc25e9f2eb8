// The program's own resources: the string table and the named files of resources/*.rc,
// compiled into the executable at build time. The program entry points HInstance at them.
#pragma once

#include "platform/resources.h"

const TResourceModule& TralalinoResources();
