// A table's cases named after its rows: ctest lists each as "Prefix/Suite.Test/name"
// (NO_PRETTY_VALUES, see tests/CMakeLists.txt).
//   INSTANTIATE_TEST_SUITE_P(SysInfo, Locations, testing::ValuesIn(kRows), harness::RowName());
#pragma once

#include <gtest/gtest.h>

#include <string>

namespace harness {
struct RowName {
  template <typename Row>
  std::string operator()(const testing::TestParamInfo<Row>& info) const {
    return info.param.name;
  }
};
}  // namespace harness
