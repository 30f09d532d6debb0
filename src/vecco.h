// Small fixed-size value vector: every position, velocity, grid size and colour in the game.
// Plain value, no heap; the named instances below are the vocabulary of the rest of the code.
#pragma once

#include <cassert>
#include <cmath>

// The phases and angles of the simulation are radians.
const double PI = 3.141592653589793;

template <class T, int N>
struct vecco
{
    T components[N];

    vecco() { clear(); }
    vecco(const T& Val) { for (int a = 0; a < N; a++) components[a] = Val; }
    vecco(const T* Vals) { for (int a = 0; a < N; a++) components[a] = Vals[a]; }
    vecco(const vecco& V) = default;
    vecco& operator=(const vecco& V) = default;

    T& operator[](int Index) { assert(Index >= 0 && Index < N); return components[Index]; }
    const T& operator[](int Index) const { assert(Index >= 0 && Index < N); return components[Index]; }

    operator T*() { return components; }
    operator const T*() const { return components; }

    void clear() { for (int a = 0; a < N; a++) components[a] = T(0); }
    void zero() { clear(); }
    const vecco& operator=(const T& Val) { for (int a = 0; a < N; a++) components[a] = Val; return *this; }

    vecco operator+(const vecco& V) const { vecco R; for (int a = 0; a < N; a++) R.components[a] = components[a] + V.components[a]; return R; }
    vecco operator-(const vecco& V) const { vecco R; for (int a = 0; a < N; a++) R.components[a] = components[a] - V.components[a]; return R; }
    vecco operator*(const vecco& V) const { vecco R; for (int a = 0; a < N; a++) R.components[a] = components[a] * V.components[a]; return R; }
    vecco operator/(const vecco& V) const { vecco R; for (int a = 0; a < N; a++) R.components[a] = components[a] / V.components[a]; return R; }
    vecco operator+(const T& S) const { vecco R; for (int a = 0; a < N; a++) R.components[a] = components[a] + S; return R; }
    vecco operator-(const T& S) const { vecco R; for (int a = 0; a < N; a++) R.components[a] = components[a] - S; return R; }
    vecco operator*(const T& S) const { vecco R; for (int a = 0; a < N; a++) R.components[a] = components[a] * S; return R; }
    // Divides each component; a reciprocal multiply would round differently.
    vecco operator/(const T& S) const { vecco R; for (int a = 0; a < N; a++) R.components[a] = components[a] / S; return R; }

    const vecco& operator+=(const vecco& V) { for (int a = 0; a < N; a++) components[a] += V.components[a]; return *this; }
    const vecco& operator-=(const vecco& V) { for (int a = 0; a < N; a++) components[a] -= V.components[a]; return *this; }
    const vecco& operator*=(const vecco& V) { for (int a = 0; a < N; a++) components[a] *= V.components[a]; return *this; }
    const vecco& operator/=(const vecco& V) { for (int a = 0; a < N; a++) components[a] /= V.components[a]; return *this; }
    const vecco& operator+=(const T& S) { for (int a = 0; a < N; a++) components[a] += S; return *this; }
    const vecco& operator*=(const T& S) { for (int a = 0; a < N; a++) components[a] *= S; return *this; }
    const vecco& operator/=(const T& S) { for (int a = 0; a < N; a++) components[a] /= S; return *this; }

    bool operator==(const vecco& V) const { for (int a = 0; a < N; a++) if (components[a] != V.components[a]) return false; return true; }
    bool operator!=(const vecco& V) const { return !(*this == V); }
    bool operator==(const T& S) const { for (int a = 0; a < N; a++) if (components[a] != S) return false; return true; }
    bool operator!=(const T& S) const { return !(*this == S); }
    const vecco& operator++() { for (int a = 0; a < N; a++) ++components[a]; return *this; }
    const vecco& operator--() { for (int a = 0; a < N; a++) --components[a]; return *this; }
};

typedef vecco<double, 3> rpos;
typedef vecco<double, 2> rloc;
typedef vecco<int, 2> iloc;
typedef vecco<float, 4> fcolor;

template <class T, int N>
T length_squared(const vecco<T, N>& V)
{
    T Sum = T(0);
    for (int a = 0; a < N; a++) Sum += V[a] * V[a];
    return Sum;
}

template <class T, int N>
T length(const vecco<T, N>& V)
{
    return std::sqrt(length_squared(V));
}

inline rpos mkrpos(double A, double B, double C) { rpos R; R[0] = A; R[1] = B; R[2] = C; return R; }
inline rloc mkrloc(double A, double B) { rloc R; R[0] = A; R[1] = B; return R; }
inline iloc mkiloc(int A, int B) { iloc R; R[0] = A; R[1] = B; return R; }
inline fcolor mkfcolor(float R, float G, float B, float A) { fcolor C; C[0] = R; C[1] = G; C[2] = B; C[3] = A; return C; }
