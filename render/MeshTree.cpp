#include "render/MeshTree.h"

#include <algorithm>

#include "app/FrameTimer.h"

MeshTree::MeshTree(const MeshTree& other) {
    CopyInstanceFrom(other);
}

MeshTree& MeshTree::operator=(const MeshTree& other) {
    if (this != &other) {
        matrix.reset();
        CopyInstanceFrom(other);
    }
    return *this;
}

void MeshTree::CopyInstanceFrom(const MeshTree& other) {
    mesh = other.mesh;
    facesLight = other.facesLight;
    centreOffset = other.centreOffset;
    radius = other.radius;
    std::copy(std::begin(other.boundsMin), std::end(other.boundsMin), boundsMin);
    std::copy(std::begin(other.boundsMax), std::end(other.boundsMax), boundsMax);
    boxes = other.boxes;
    celShaded = other.celShaded;
    lit = other.lit;
    inRenderList = other.inRenderList;
    outlined = other.outlined;
    castsShadow = other.castsShadow;
    transparent = other.transparent;
    scenery = other.scenery;
    revealsUnderCaster = other.revealsUnderCaster;
    visible = other.visible;
    drawBlack = other.drawBlack;
    groupCount = other.groupCount;
}

void MeshTree::SetMatrix(const float m[16]) {
    if (!matrix) matrix = std::make_unique<Mat44>();
    Mat44Copy(m, matrix->m);
}

void MeshTree::AllocateMatrix() {
    matrix = std::make_unique<Mat44>();
}

void MeshTree::ResetMatrix() {
    AllocateMatrix();
}

void MeshTree::Translate(float dx, float dy, float dz) {
    if (matrix) Mat44Translate(dx, dy, dz, matrix->m);
}

namespace {

void RotateAboutOwnPosition(Mat44* matrix, float speed, void (*rotate)(float, float*, float*)) {
    if (!matrix) return;
    float scratch[16];
    Mat44Copy(matrix->m, scratch);
    rotate(speed * frameTimer.GetDeltaTime(), scratch, matrix->m);
}

}  // namespace

void MeshTree::RotateX(float speed) {
    RotateAboutOwnPosition(matrix.get(), speed, Mat44RotateXAboutPosition);
}

void MeshTree::RotateY(float speed) {
    RotateAboutOwnPosition(matrix.get(), speed, Mat44RotateYAboutPosition);
}

void MeshTree::RotateZ(float speed) {
    RotateAboutOwnPosition(matrix.get(), speed, Mat44RotateZAboutPosition);
}
