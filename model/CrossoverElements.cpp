// The crossover element arrays and their normalisation from the grid cells.
#include "CrossoverElements.h"

#include "NumberFormat.h"

namespace model {

bool IsShuntPosition(int position) {
    switch (position) {
    case 2:
    case 4:
    case 6:
    case 10:
    case 12:
    case 14:
        return true;
    default:
        return false;
    }
}

CrossoverElements NormaliseCrossover(FormState& state) {
    using engine::FormatGeneral;
    using engine::ParseGridNumber;
    CrossoverElements e;
    const double rdcText = ParseGridNumber(state.EditRdc);
    for (int c = 1; c <= 14; ++c) {
        auto& column = state.FWGrid[c];
        const double R = ParseGridNumber(column[1]);
        const double C = ParseGridNumber(column[2]) * 0.000001;
        const double L = ParseGridNumber(column[3]) * 0.001;
        e.ElementR[c] = R;
        e.ElementL[c] = L;
        if (R != 0) {
            column[1] = FormatGeneral(R);
        } else {
            column[1].clear();
            if (IsShuntPosition(c) && C == 0 && L == 0)
                e.ElementR[c] = 1000000000 * rdcText;
        }
        if (C != 0) {
            column[2] = FormatGeneral(C * 1000000);
            e.ElementInvC[c] = 1 / C;
        } else {
            column[2].clear();
            e.ElementInvC[c] = 0;
        }
        column[3] = L != 0 ? FormatGeneral(L * 1000) : std::string();
    }
    return e;
}

} // namespace model
