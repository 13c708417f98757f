// Reads the input set of a run from the values of the input controls.
#include "SimulationInputBuilder.h"

#include <cmath>
#include <limits>

#include "NumberFormat.h"

namespace model {

namespace {

double number(const std::string& text) { return engine::ParseGridNumber(text); }

// The count of drivers: the number read, truncated toward zero (saturated to int).
int count(const std::string& text) {
    const double v = std::trunc(number(text));
    if (v >= std::numeric_limits<int>::max())
        return std::numeric_limits<int>::max();
    if (v <= std::numeric_limits<int>::min())
        return std::numeric_limits<int>::min();
    return static_cast<int>(v);
}

// A whole number, 0 when the text is not one.
int wholeNumber(const std::string& text) {
    if (text.empty())
        return 0;
    size_t i = 0;
    bool negative = false;
    if (text[0] == '-' || text[0] == '+') {
        negative = text[0] == '-';
        i = 1;
    }
    if (i >= text.size())
        return 0;
    long long v = 0;
    for (; i < text.size(); ++i) {
        if (text[i] < '0' || text[i] > '9')
            return 0;
        v = v * 10 + (text[i] - '0');
        if (v > std::numeric_limits<int>::max())
            return 0;
    }
    return static_cast<int>(negative ? -v : v);
}

struct DriverTexts {
    const std::string &Stk, &Rdc, &fs, &Qes, &Qms, &Vas, &Pmax, &Sd, &Z1k, &Z10k, &Xmax;
};

engine::DriverInput readDriver(const DriverTexts& t, int PF) {
    engine::DriverInput d;
    d.Stk = count(t.Stk);
    const double scale = static_cast<double>(d.Stk) * PF;
    d.Rdc = number(t.Rdc) / scale;
    d.fs = number(t.fs);
    d.Qes = number(t.Qes);
    d.Qms = number(t.Qms);
    d.Vas = number(t.Vas) * d.Stk * PF * 0.001;
    d.Pmax = number(t.Pmax);
    d.Sd = number(t.Sd) * d.Stk * PF * 0.0001;
    d.Z1k = number(t.Z1k) / scale;
    d.Z10k = number(t.Z10k) / scale;
    d.Xmax = number(t.Xmax) * 0.001;
    return d;
}

} // namespace

int PositionFactorOf(int placementIndex) {
    switch (placementIndex) {
    case 1:
    case 3:
        return 2;
    case 4:
        return 4;
    default:
        return 1;
    }
}

engine::SimulationInput BuildSimulationInput(const FormState& s,
                                             const CrossoverElements& elements) {
    engine::SimulationInput in;
    in.placementIndex = s.CBPosi;
    const int PF = PositionFactorOf(s.CBPosi);
    in.PositionFactor = PF;

    const DriverTexts driver1{s.EditStk, s.EditRdc, s.Editfs,   s.EditQes,
                              s.EditQms, s.EditVas, s.EditPmax, s.EditSd,
                              s.EditZ1k, s.EditZ10k, s.EditXmax};
    const DriverTexts driver2{s.EditStk2, s.EditRdc2, s.Editfs2,   s.EditQes2,
                              s.EditQms2, s.EditVas2, s.EditPmax2, s.EditSd2,
                              s.EditZ1k2, s.EditZ10k2, s.EditXmax2};
    in.driver1 = readDriver(driver1, PF);
    in.Ue = number(s.EditUe);
    in.driver2Mode = s.RGTreiber2;
    in.driver2 = readDriver(s.RGTreiber2 == 2 ? driver2 : driver1, PF);
    in.turnOver = s.CBumdrehen;
    in.RdcText = number(s.EditRdc);

    // Horn.
    in.AT = number(s.EditAh) * PF * 0.0001;
    in.mouthWidthCm = number(s.EditB);
    in.AM = number(s.EditH) * in.mouthWidthCm * PF * 0.0001;
    in.L = number(s.Editl1);
    if (in.L == 0)
        in.L = std::sqrt(in.AM) * 0.000001;
    in.beta1 = number(s.EditBeta1);
    in.beta2 = number(s.EditBeta2);
    in.xT1 = number(s.EditxT1);
    in.xT2 = number(s.EditxT2);
    in.dL = number(s.EditdL);
    in.dL2 = number(s.EditdL2);
    in.profile = s.CBKontur < 0 ? 0 : s.CBKontur;
    in.hornType = s.CBTyp;
    in.mouthClosed = s.CBMundGeschl;

    // Chambers, port and branches.
    in.Vvk = number(s.EditVvk) * PF * 0.001;
    in.Lvk = number(s.EditLvk);
    in.betaVK = number(s.EditBvk);
    in.Vrk = number(s.EditVrk) * PF * 0.001;
    in.Lrk = number(s.EditLrk);
    in.betaRK = number(s.EditBrk);
    in.portEntered = s.EditAbr != "0";
    in.fbrEntered = s.Editfbr != "0";
    in.Abr = number(s.EditAbr) * PF * 0.0001;
    in.fbr = number(s.Editfbr);
    in.betaBR = number(s.EditBbr);
    in.CBAK = s.CBAK;
    in.VAK = number(s.EditVAK) * PF * 0.001;
    in.AAT = number(s.EditAAT) * PF * 0.0001;
    in.fAK = number(s.EditfAK);
    in.betaAK = number(s.EditBAK);
    in.xAK = number(s.EditxAK);
    in.CBRK2 = s.CBRK2;
    in.Vrk2 = number(s.EditVrk2) * PF * 0.001;
    in.CBET = s.CBET;
    in.AET = number(s.EditAET) * PF * 0.0001;
    in.LET = number(s.EditLET);
    in.betaET = number(s.EditBET);
    in.xET = number(s.EditxET);
    in.dLET = number(s.EditdLET);
    in.Abst = number(s.EditAbst);

    in.ignoreCrossover = s.CBohneFW;
    in.ElementR = elements.ElementR;
    in.ElementL = elements.ElementL;
    in.ElementInvC = elements.ElementInvC;

    in.FrequencyPoints = wholeNumber(s.OptionGrid[0]);
    in.ContourPoints = wholeNumber(s.OptionGrid[1]);
    in.autoFrequencyRange = s.CheckListAuto[8];
    in.rangeMin = number(s.MinMaxGrid[0][8]);
    in.rangeMax = number(s.MinMaxGrid[1][8]);
    return in;
}

} // namespace model
