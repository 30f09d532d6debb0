// libFuzzer target: any bytes, as a level file and as a level code, are read or refused with a reason;
// what is read writes back, as a file and as a code, to the very same level.
#include "level_code.h"
#include "level_file.h"

#include <cstdint>
#include <cstdlib>
#include <string>

namespace {
void same_again(const level_data& L)
{
    level_data FromFile, FromCode;
    std::string Problem;
    if (!read_level_file(write_level_file(L), FromFile, Problem) || level_key(FromFile) != level_key(L) || FromFile.name != L.name)
        std::abort();
    if (!read_level_code(level_code(L), FromCode, Problem) || level_key(FromCode) != level_key(L) || FromCode.line != L.line)
        std::abort();
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size)
{
    const std::string Bytes((const char*)Data, Size);
    for (bool AsCode : {false, true})
    {
        level_data L;
        std::string Problem;
        bool Read = AsCode ? read_level_code(Bytes, L, Problem) : read_level_file(Bytes, L, Problem);
        if (!Read && Problem.empty()) std::abort();
        if (Read) same_again(L);
    }
    return 0;
}
