// Value vectors and the three-way clamp.
#include "clamp.h"
#include "vecco.h"

#include <gtest/gtest.h>

TEST(Clamp, UpperBoundFirstSoAnEmptyRangeGivesMin)
{
    // A grid of width 0 clamps index 5 into 0..-1: the result must be 0, never -1.
    EXPECT_EQ(clamp(5, 0, -1), 0);
    EXPECT_EQ(clamp(-3, 0, -1), 0);
    EXPECT_DOUBLE_EQ(clamp(2.0, 1.0, 0.5), 1.0);
}

TEST(Clamp, LimitsAtBothEnds)
{
    EXPECT_EQ(clamp(-3, 0, 10), 0);
    EXPECT_EQ(clamp(11, 0, 10), 10);
    EXPECT_EQ(clamp(10, 0, 10), 10);
    EXPECT_EQ(clamp(0, 0, 10), 0);
    EXPECT_EQ(clamp(7, 0, 10), 7);
    EXPECT_EQ(clamp(0.7, -0.5, 0.5), 0.5);
    EXPECT_EQ(clamp(-0.7, -0.5, 0.5), -0.5);
}

TEST(Vecco, StartsAtZero)
{
    rpos P;
    iloc I;
    fcolor C;
    for (int a = 0; a < 3; a++) EXPECT_EQ(P[a], 0.0);
    EXPECT_EQ(I[0], 0);
    EXPECT_EQ(I[1], 0);
    for (int a = 0; a < 4; a++) EXPECT_EQ(C[a], 0.0f);

    rpos Q = mkrpos(1, 2, 3);
    Q.clear();
    EXPECT_EQ(Q, mkrpos(0, 0, 0));
}

TEST(Vecco, ArithmeticIsPerComponent)
{
    rpos A = mkrpos(1, 2, 3), B = mkrpos(10, 20, 30);
    EXPECT_EQ(A + B, mkrpos(11, 22, 33));
    EXPECT_EQ(B - A, mkrpos(9, 18, 27));
    EXPECT_EQ(A + 1.0, mkrpos(2, 3, 4));
    EXPECT_EQ(A - 1.0, mkrpos(0, 1, 2));
    EXPECT_EQ(A * 2.0, mkrpos(2, 4, 6));
    EXPECT_EQ(B / 10.0, mkrpos(1, 2, 3));

    rpos C = A;
    C += B;
    EXPECT_EQ(C, mkrpos(11, 22, 33));
    C -= A;
    EXPECT_EQ(C, B);
    C *= 0.5;
    EXPECT_EQ(C, mkrpos(5, 10, 15));
    C += 1.0;
    EXPECT_EQ(C, mkrpos(6, 11, 16));
    // Operands are values: A and B are untouched by all of the above.
    EXPECT_EQ(A, mkrpos(1, 2, 3));
    EXPECT_EQ(B, mkrpos(10, 20, 30));

    iloc G = mkiloc(7, -3);
    EXPECT_EQ((G + mkiloc(1, 1))[0], 8);
    EXPECT_EQ((G + mkiloc(1, 1))[1], -2);
}

TEST(Vecco, ScalarDivisionDividesRatherThanMultiplyingByTheReciprocal)
{
    // 3 / 10 is the double nearest 0.3, but 3 * 0.1 is 0.30000000000000004.
    ASSERT_NE(3.0 * (1.0 / 10.0), 3.0 / 10.0);
    rpos P = mkrpos(3, 3, 3);
    EXPECT_EQ((P / 10.0)[0], 3.0 / 10.0);
    P /= 10.0;
    EXPECT_EQ(P[2], 3.0 / 10.0);
}

TEST(Vecco, LengthAndPointerAccess)
{
    EXPECT_EQ(length(mkrpos(3, 4, 0)), 5.0);
    EXPECT_EQ(length_squared(mkrpos(1, 2, 2)), 9.0);
    EXPECT_EQ(length(rpos()), 0.0);

    // Colours go straight to GL calls taking four floats.
    fcolor C = mkfcolor(0.1f, 0.2f, 0.3f, 0.4f);
    const float* F = C;
    EXPECT_EQ(F[0], 0.1f);
    EXPECT_EQ(F[3], 0.4f);
    rloc L = mkrloc(0.25, 0.75);
    double* D = L;
    D[1] = 2.0;
    EXPECT_EQ(L[1], 2.0);
}
