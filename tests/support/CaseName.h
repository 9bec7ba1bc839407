#pragma once

#include <gtest/gtest.h>

#include <string>

// Names each row of a parameterised test after its `name` field, so that
// ctest and a failure report say which case it is.
struct CaseName {
    template <class Case> std::string operator()(const ::testing::TestParamInfo<Case> &info) const
    {
        return info.param.name;
    }
};
