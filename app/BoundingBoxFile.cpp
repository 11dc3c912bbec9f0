#include "app/BoundingBoxFile.h"

#include <locale>

std::vector<Box> ParseBoundingBoxes(std::istream& in) {
    in.imbue(std::locale::classic());
    std::vector<Box> boxes;
    int count = 0;
    if (!(in >> count)) return boxes;
    for (int i = 0; i < count; ++i) {
        float x1 = 0.0f;
        float z1 = 0.0f;
        float x2 = 0.0f;
        float z2 = 0.0f;
        char separator = 0;
        if (!(in >> separator >> x1 >> separator >> z1 >> separator >> separator >> separator >>
              x2 >> separator >> z2 >> separator))
            break;
        boxes.emplace_back(x1, x2, z1, z2);
    }
    return boxes;
}
