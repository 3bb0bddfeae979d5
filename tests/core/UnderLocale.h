#pragma once
// Runs each test of a suite once under the C locale and once under a locale with a decimal comma:
// number texts must not depend on the user's locale.
#include "support/ScopedLocale.h"

#include <gtest/gtest.h>

#include <memory>

class UnderLocale : public testing::TestWithParam<const char*> {
protected:
    void SetUp() override
    {
        locale_ = std::make_unique<ScopedLocale>(GetParam());
        if (!locale_->Active()) GTEST_SKIP() << "no locale " << GetParam() << " installed";
    }
    std::unique_ptr<ScopedLocale> locale_;
};
