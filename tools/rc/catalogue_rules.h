// The layout that the program's catalogue code relies on (catalogue/catalogue.h), checked on the
// string table at build time so that a broken table never reaches the program.
#pragma once

#include "tools/rc/diagnostic.h"
#include "tools/rc/resource_table.h"

void CheckCatalogue(const ResourceTable& table, Diagnostics& errors);
