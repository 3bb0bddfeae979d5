#include "core/ui/QtUiSeam.h"

#include "core/clsCommon.h"
#include "core/modCommon.h"
#include "support/ui/UiTestWorld.h"

#include <gtest/gtest.h>

TEST(QtNameFiltersTest, ProjectFilterBecomesQtFilters)
{
    UiTestWorld world;
    const clsCommon common;
    const QStringList filters = QtNameFilters(ParseFilterText(common.Filter()));
    ASSERT_EQ(filters.size(), 9);
    EXPECT_EQ(filters[1], "Beugung PHDS (*.dat;*.elb) (*.dat *.elb)");
    EXPECT_EQ(filters[8], "Alle Dateien (*.*) (*)") << "all files, with or without a dot";
}
