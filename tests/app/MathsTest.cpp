#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <ostream>
#include <string>

#include "app/Matrix.h"
#include "app/Vector3.h"

namespace {

constexpr float kPi = std::numbers::pi_v<float>;
constexpr float kTolerance = 1e-5f;

void ExpectMatrixNear(const float* actual, const float* expected, int size) {
    for (int i = 0; i < size; ++i)
        EXPECT_NEAR(actual[i], expected[i], kTolerance) << "element " << i;
}

// A transform with every element in play: turned about all three axes and moved.
Mat44 SomeTransform() {
    Mat44 m;
    float scratch[16];
    Mat44RotateX(0.3f, m.m, scratch);
    Mat44RotateY(-1.1f, scratch, m.m);
    Mat44RotateZ(2.0f, m.m, scratch);
    Mat44Copy(scratch, m.m);
    Mat44Translate(1.5f, -2.0f, 7.0f, m.m);
    return m;
}

TEST(Vector3Test, IndexReachesTheThreeComponentsAndRefusesTheRest) {
    Vector3 v(1.0f, 2.0f, 3.0f);
    v[1] = 5.0f;
    EXPECT_EQ(v.y, 5.0f);
    EXPECT_EQ(v[0], 1.0f);
    EXPECT_EQ(v[2], 3.0f);
    for (int bad : {-1, 3, 100}) {
        try {
            (void)v[bad];
            ADD_FAILURE() << "no throw for " << bad;
        } catch (const std::exception& error) {
            EXPECT_STREQ(error.what(), "Subscript out-of-range!");
        }
    }
    const Vector3& constant = v;
    EXPECT_THROW((void)constant[3], SubscriptOutOfRange);
}

TEST(Vector3Test, ResultsOfTheSameOperatorCombine) {
    const Vector3 a(1, 2, 3), b(10, 20, 30), c(100, 200, 300), d(1000, 2000, 3000);
    const Vector3 r = (a + b) - (c + d);
    EXPECT_EQ(r.x, 11 - 1100);
    EXPECT_EQ(r.y, 22 - 2200);
    EXPECT_EQ(r.z, 33 - 3300);
    const Vector3& held = a * 2.0f;
    const Vector3 other = b * 3.0f;
    EXPECT_EQ(held.x, 2.0f) << "a held result is not changed by the next product";
    EXPECT_EQ(other.x, 30.0f);
    const Vector3 q = (b / 2.0f) - (a * 2.0f);
    EXPECT_EQ(q.z, 15.0f - 6.0f);
}

TEST(VectorFunctionsTest, NormalizeLeavesZeroAloneAndUnitXReplacesIt) {
    float zero[3] = {0, 0, 0};
    Vec3Normalize(zero);
    EXPECT_EQ(zero[0], 0.0f);
    EXPECT_EQ(zero[1], 0.0f);
    EXPECT_EQ(zero[2], 0.0f);
    float unit[3] = {0, 0, 0};
    Vec3NormalizeOrUnitX(unit);
    EXPECT_EQ(unit[0], 1.0f);
    EXPECT_EQ(unit[1], 0.0f);
    EXPECT_EQ(unit[2], 0.0f);
    Vector3 v(3, 0, 4);
    Vec3Normalize(v);
    EXPECT_NEAR(v.x, 0.6f, kTolerance);
    EXPECT_NEAR(v.z, 0.8f, kTolerance);
    EXPECT_NEAR(Vec3Length(v), 1.0f, kTolerance);
}

TEST(VectorFunctionsTest, CrossIsRightHandedAndMayOverwriteAnInput) {
    float x[3] = {1, 0, 0};
    const float y[3] = {0, 1, 0};
    Vec3Cross(x, y, x);
    EXPECT_EQ(x[0], 0.0f);
    EXPECT_EQ(x[1], 0.0f);
    EXPECT_EQ(x[2], 1.0f);
    Vector3 a(1, 2, 3);
    const Vector3 b(-2, 0.5f, 4);
    Vec3Cross(a, b, a);
    EXPECT_NEAR(a.x, 2 * 4 - 3 * 0.5f, kTolerance);
    EXPECT_NEAR(a.y, 3 * -2 - 1 * 4, kTolerance);
    EXPECT_NEAR(a.z, 1 * 0.5f - 2 * -2, kTolerance);
    EXPECT_NEAR(Vec3Dot(Vector3(1, 2, 3), Vector3(4, 5, 6)), 32.0f, kTolerance);
}

// Where a quarter turn of the identity sends each of the object's own axes.
struct RotationCase {
    const char* name;
    void (*rotate)(float, const float*, float*);
    float ownX[3];
    float ownY[3];
    float ownZ[3];
};

void PrintTo(const RotationCase& c, std::ostream* os) {
    *os << c.name;
}

class QuarterTurnTest : public ::testing::TestWithParam<RotationCase> {};

TEST_P(QuarterTurnTest, TurnsTheAxesByTheRightHandRule) {
    const RotationCase& c = GetParam();
    const Mat44 identity;
    float out[16];
    c.rotate(kPi / 2, identity.m, out);
    const float* expected[3] = {c.ownX, c.ownY, c.ownZ};
    for (int column = 0; column < 3; ++column)
        for (int row = 0; row < 3; ++row)
            EXPECT_NEAR(out[4 * column + row], expected[column][row], kTolerance)
                << "column " << column << " row " << row;
    EXPECT_EQ(out[3], 0.0f);
    EXPECT_EQ(out[7], 0.0f);
    EXPECT_EQ(out[11], 0.0f);
    EXPECT_EQ(out[15], 1.0f);
}

TEST_P(QuarterTurnTest, GivesTheSameWhenTheOutputIsTheInput) {
    const Mat44 m = SomeTransform();
    float separate[16];
    GetParam().rotate(0.7f, m.m, separate);
    float same[16];
    Mat44Copy(m.m, same);
    GetParam().rotate(0.7f, same, same);
    ExpectMatrixNear(same, separate, 16);
}

INSTANTIATE_TEST_SUITE_P(
    Rotations, QuarterTurnTest,
    ::testing::Values(RotationCase{"X", Mat44RotateX, {1, 0, 0}, {0, 0, 1}, {0, -1, 0}},
                      // The heading (own Z) turns from +z towards +x.
                      RotationCase{"Y", Mat44RotateY, {0, 0, -1}, {0, 1, 0}, {1, 0, 0}},
                      RotationCase{"Z", Mat44RotateZ, {0, 1, 0}, {-1, 0, 0}, {0, 0, 1}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(MatrixFunctionsTest, WorldRotationTurnsThePositionAboutTheOrigin) {
    Mat44 m;
    Mat44Translate(5, 0, 0, m.m);
    float out[16];
    Mat44RotateY(kPi / 2, m.m, out);
    EXPECT_NEAR(out[12], 0.0f, kTolerance);
    EXPECT_NEAR(out[13], 0.0f, kTolerance);
    EXPECT_NEAR(out[14], -5.0f, kTolerance);
}

TEST(MatrixFunctionsTest, RotationAboutPositionKeepsThePosition) {
    using Turn = void (*)(float, float*, float*);
    for (Turn turn :
         {Mat44RotateXAboutPosition, Mat44RotateYAboutPosition, Mat44RotateZAboutPosition}) {
        Mat44 m;
        Mat44Translate(5, 0, 0, m.m);
        Mat44 scratch = m;
        float out[16];
        turn(kPi / 2, scratch.m, out);
        EXPECT_NEAR(out[12], 5.0f, kTolerance);
        EXPECT_NEAR(out[13], 0.0f, kTolerance);
        EXPECT_NEAR(out[14], 0.0f, kTolerance);
        EXPECT_EQ(scratch.m[12], 0.0f) << "the scratch copy is left without its translation";
        Mat44 alone = m;
        turn(kPi / 2, alone.m, alone.m);
        ExpectMatrixNear(alone.m, out, 16);
    }
    Mat44 m;
    Mat44Translate(5, 0, 0, m.m);
    float out[16];
    Mat44RotateYAboutPosition(kPi / 2, m.m, out);
    EXPECT_NEAR(out[8], 1.0f, kTolerance) << "the heading turns to world +x";
    EXPECT_NEAR(out[10], 0.0f, kTolerance);
}

TEST(MatrixFunctionsTest, ConversionsBetweenGLAndMat34RoundTrip) {
    const Mat44 m = SomeTransform();
    Mat34 converted;
    GLToMat34(converted, m.m);
    EXPECT_EQ(converted[3], m.m[12]);
    EXPECT_EQ(converted[4 * 1 + 0], m.m[4 * 0 + 1]);
    float back[16];
    Mat34ToGL(converted, back);
    ExpectMatrixNear(back, m.m, 16);
}

TEST(MatrixFunctionsTest, Mat34MultiplyAppliesTheRightFirstEvenInPlace) {
    Mat34 a, b;
    GLToMat34(a, SomeTransform().m);
    Mat44 other;
    Mat44RotateZ(0.4f, other.m, other.m);
    Mat44Translate(-3, 1, 2, other.m);
    GLToMat34(b, other.m);

    const float p[3] = {0.5f, -1.0f, 2.0f};
    float viaB[3], expected[3];
    Mat34TransformPoint(b, p, viaB);
    Mat34TransformPoint(a, viaB, expected);

    Mat34 product;
    Mat34Multiply(a, b, product);
    float actual[3];
    Mat34TransformPoint(product, p, actual);
    ExpectMatrixNear(actual, expected, 3);

    Mat34 intoA, intoB;
    std::copy(std::begin(a), std::end(a), intoA);
    std::copy(std::begin(b), std::end(b), intoB);
    Mat34Multiply(intoA, b, intoA);
    Mat34Multiply(a, intoB, intoB);
    ExpectMatrixNear(intoA, product, 12);
    ExpectMatrixNear(intoB, product, 12);

    float point[3] = {p[0], p[1], p[2]};
    Mat34TransformPoint(product, point, point);
    ExpectMatrixNear(point, expected, 3);
}

TEST(MatrixFunctionsTest, InverseRotationUndoesTheRotation) {
    Mat34 m;
    GLToMat34(m, SomeTransform().m);
    const Vector3 v(1, 2, 3);
    Vector3 turned;
    // Rotation only: the point transform minus the translation.
    Mat34TransformPoint(m, v, turned);
    turned = turned - Vector3(m[3], m[7], m[11]);
    Vector3 back;
    Mat34InverseRotateVector(m, turned, back);
    EXPECT_NEAR(back.x, 1.0f, kTolerance);
    EXPECT_NEAR(back.y, 2.0f, kTolerance);
    EXPECT_NEAR(back.z, 3.0f, kTolerance);

    const Mat33 rows = {1, 2, 3, 4, 5, 6, 7, 8, 9};
    float w[3] = {1, 0, -1};
    Mat33TransformVector(rows, w, w);
    EXPECT_EQ(w[0], -2.0f);
    EXPECT_EQ(w[1], -2.0f);
    EXPECT_EQ(w[2], -2.0f);
}

TEST(MatrixFunctionsTest, ScaleLocalStretchesOneOwnAxisAndKeepsThePosition) {
    Mat44 m;
    Mat44RotateY(kPi / 2, m.m, m.m);
    Mat44Translate(3, 4, 5, m.m);
    float out[16];
    Mat44ScaleLocal(2, 1, 1, m.m, out);
    EXPECT_NEAR(Vec3Length(out + 0), 2.0f, kTolerance);
    EXPECT_NEAR(Vec3Length(out + 4), 1.0f, kTolerance);
    EXPECT_NEAR(Vec3Length(out + 8), 1.0f, kTolerance);
    EXPECT_NEAR(out[2], -2.0f, kTolerance) << "own X still points along world -z";
    EXPECT_NEAR(out[12], 3.0f, kTolerance);
    EXPECT_NEAR(out[13], 4.0f, kTolerance);
    EXPECT_NEAR(out[14], 5.0f, kTolerance);
    Mat44ScaleLocal(2, 1, 1, m.m, m.m);
    ExpectMatrixNear(m.m, out, 16);
}

}  // namespace
