#include "require.h"

#include <cstdio>
#include <cstdlib>

namespace kz::fuzz {

void Require(bool holds, const char* what)
{
    if (holds)
        return;
    std::fprintf(stderr, "wrong result: %s\n", what);
    std::abort();
}

}  // namespace kz::fuzz
