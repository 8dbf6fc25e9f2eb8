// The C++ source that defines TralalinoResources() (resources/tralalino_resources.h) from the
// resource table, and the depfile that lets the build rerun the compiler when a listed file
// changes.
#pragma once

#include <filesystem>
#include <ostream>
#include <vector>

#include "tools/rc/resource_table.h"

void WriteModuleSource(const ResourceTable& table, std::ostream& out);

void WriteDepfile(const std::filesystem::path& target,
                  const std::vector<std::filesystem::path>& inputs, std::ostream& out);
