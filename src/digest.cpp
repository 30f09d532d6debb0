#include "digest.h"

void digest::add(const void* Bytes, size_t Count)
{
    const unsigned char* P = (const unsigned char*)Bytes;
    for (size_t a = 0; a < Count; a++) value = (value ^ P[a]) * 1099511628211ull;
}
