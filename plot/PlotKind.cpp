// Per-window constants of the seven plot windows.
#include "PlotKind.h"

namespace plot {

int AxisRowOf(PlotKind kind) {
    switch (kind) {
    case PlotKind::SPL:
        return 0;
    case PlotKind::Zel:
        return 1;
    case PlotKind::Ausl:
        return 2;
    case PlotKind::SPLmax:
        return 3;
    case PlotKind::Pmax:
        return 4;
    case PlotKind::Znorm:
        return 5;
    case PlotKind::Phia:
        break;
    }
    return -1;
}

int BandCount(PlotKind kind) {
    return kind == PlotKind::Phia ? 8 : 10;
}

int ValueLabelCount(PlotKind kind) {
    return kind == PlotKind::Phia ? 5 : 6;
}

std::string PlotName(PlotKind kind) {
    switch (kind) {
    case PlotKind::SPL:
        return "SPL";
    case PlotKind::Zel:
        return "Zel";
    case PlotKind::Ausl:
        return "Ausl";
    case PlotKind::SPLmax:
        return "SPLmax";
    case PlotKind::Pmax:
        return "Pmax";
    case PlotKind::Znorm:
        return "Znorm";
    case PlotKind::Phia:
        break;
    }
    return "Phia";
}

std::string PlotCaption(PlotKind kind, bool curvesDrawn, bool driver2) {
    switch (kind) {
    case PlotKind::SPL:
        return "SPL [dB]";
    case PlotKind::Zel:
        return "Zel in Ohms";
    case PlotKind::Ausl:
        if (!curvesDrawn)
            return "Cone amplitude [mm]";
        return driver2 ? "Cone2 amplitude [mm]" : "Cone1 amplitude [mm]";
    case PlotKind::SPLmax:
        return "SPLmax in dB";
    case PlotKind::Pmax:
        if (!curvesDrawn)
            return "Pmax in W";
        return driver2 ? "Pmax2 [W]" : "Pmax1 [W]";
    case PlotKind::Znorm:
        return "Acoustic impedance in front of the cone";
    case PlotKind::Phia:
        break;
    }
    return "Acoustic Phase in degrees";
}

} // namespace plot
