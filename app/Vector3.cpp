#include "app/Vector3.h"

float& Vector3::operator[](int i) {
    switch (i) {
        case 0:
            return x;
        case 1:
            return y;
        case 2:
            return z;
        default:
            throw SubscriptOutOfRange();
    }
}

const float& Vector3::operator[](int i) const {
    return const_cast<Vector3&>(*this)[i];
}
