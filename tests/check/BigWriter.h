#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

// Builds small .big archives for the tests: header, big-endian entry table, then the data in
// entry order.
namespace vantrel::check::test {

using BigEntries = std::vector<std::pair<std::string, std::string>>;  // path inside, bytes

std::string MakeBig(const BigEntries& entries, std::string_view magic = "BIGF");

}  // namespace vantrel::check::test
