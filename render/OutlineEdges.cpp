#include "render/OutlineEdges.h"

#include "render/MeshTree.h"

namespace {

// The element at `row`, `column` of a column-major 4 x 4 matrix.
double At(const float m[16], int row, int column) {
    return m[column * 4 + row];
}

// The near and far distances of a perspective projection; false for any other.
bool PerspectiveDepths(const float projection[16], double& zNear, double& zFar) {
    if (At(projection, 3, 2) != -1.0 || At(projection, 3, 0) != 0.0 ||
        At(projection, 3, 1) != 0.0 || At(projection, 3, 3) != 0.0)
        return false;
    const double c = At(projection, 2, 2);
    const double d = At(projection, 2, 3);
    if (c == 1.0 || c == -1.0) return false;
    zNear = d / (c - 1.0);
    zFar = d / (c + 1.0);
    return zNear > 0.0 && zFar > zNear;
}

// Every corner of the box is in front of the near plane and short of the far plane.
bool BoxBetweenPlanes(const float modelView[16], const float boxMin[3], const float boxMax[3],
                      double zNear, double zFar) {
    for (int corner = 0; corner < 8; ++corner) {
        const double p[3] = {(corner & 1) ? boxMax[0] : boxMin[0],
                             (corner & 2) ? boxMax[1] : boxMin[1],
                             (corner & 4) ? boxMax[2] : boxMin[2]};
        const double depth = -(At(modelView, 2, 0) * p[0] + At(modelView, 2, 1) * p[1] +
                               At(modelView, 2, 2) * p[2] + At(modelView, 2, 3));
        if (!(depth > zNear && depth < zFar)) return false;
    }
    return true;
}

}  // namespace

bool SilhouetteView(const float modelView[16], const float projection[16], const float boxMin[3],
                    const float boxMax[3], OutlineView& view) {
    double zNear = 0.0;
    double zFar = 0.0;
    if (!PerspectiveDepths(projection, zNear, zFar)) return false;
    if (!BoxBetweenPlanes(modelView, boxMin, boxMax, zNear, zFar)) return false;
    return EyeOfView(modelView, view.eye, &view.mirrored);
}

bool EyeOfView(const float modelView[16], double eye[3], bool* mirrored) {
    // The eye is where the modelview takes the model's point e to the origin: e = -A^-1 t,
    // with A the matrix's 3 x 3 part, by the cofactors of A.
    double a[3][3];
    for (int row = 0; row < 3; ++row)
        for (int column = 0; column < 3; ++column) a[row][column] = At(modelView, row, column);
    double cofactor[3][3];
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 3; ++column) {
            const int r0 = (row + 1) % 3, r1 = (row + 2) % 3;
            const int c0 = (column + 1) % 3, c1 = (column + 2) % 3;
            cofactor[row][column] = a[r0][c0] * a[r1][c1] - a[r0][c1] * a[r1][c0];
        }
    }
    const double det =
        a[0][0] * cofactor[0][0] + a[0][1] * cofactor[0][1] + a[0][2] * cofactor[0][2];
    if (det == 0.0) return false;
    const double t[3] = {At(modelView, 0, 3), At(modelView, 1, 3), At(modelView, 2, 3)};
    // A^-1 is the transposed cofactor matrix over the determinant.
    for (int row = 0; row < 3; ++row)
        eye[row] =
            -(cofactor[0][row] * t[0] + cofactor[1][row] * t[1] + cofactor[2][row] * t[2]) / det;
    if (mirrored) *mirrored = det < 0.0;
    return true;
}

void MarkFacesAway(const MeshData& mesh, const OutlineView& view, std::vector<std::uint8_t>& away) {
    away.assign(mesh.triangles.size(), 0);
    const double sign = view.mirrored ? -1.0 : 1.0;
    for (const MeshGroup& group : mesh.groups) {
        for (const std::uint16_t index : group.triangleIndices) {
            if (index >= mesh.triangles.size()) continue;
            const float* plane = mesh.triangles[index].faceEquation;
            const double side =
                plane[0] * view.eye[0] + plane[1] * view.eye[1] + plane[2] * view.eye[2] + plane[3];
            away[index] = sign * side < 0.0;
        }
    }
}

void FindOutlineEdges(const MeshData& mesh, const MeshGroup& group,
                      const std::vector<std::uint8_t>& away, std::vector<MeshEdge>& edges) {
    edges.clear();
    AppendBorderEdges(mesh, group.triangleIndices, away, edges);
}
