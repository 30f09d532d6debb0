// Three-way clamp. The upper bound is applied first, so an empty range (Min > Max) yields Min:
// a grid of width 0 clamps every index to 0, never to -1.
#pragma once

template <class T>
T clamp(T Val, T Min, T Max)
{
    if (Val > Max) Val = Max;
    if (Val < Min) Val = Min;
    return Val;
}
