#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

// Every reader of untrusted bytes, as one function per fuzz target. The libFuzzer programs and
// the corpus replay test call these same functions, which call the readers the programs use.
namespace ztv::fuzz {

using FuzzFunction = void (*)(const std::uint8_t* data, std::size_t size);

struct Target {
    const char* name;
    FuzzFunction run;
};

const std::vector<Target>& targets();
// nullptr for an unknown name.
const Target* findTarget(std::string_view name);

}  // namespace ztv::fuzz
