// Tests that read the program's own string table, through HInstance as the program does.
#pragma once

#include <gtest/gtest.h>

#include "resources/tralalino_resources.h"

class RealCatalogueTest : public testing::Test {
protected:
    void SetUp() override { HInstance = &TralalinoResources(); }
    void TearDown() override { HInstance = nullptr; }
};
