// The complete input set of one simulation run, in SI units with the mirror scaling applied.
#pragma once

#include <array>

namespace engine {

// Thiele/Small data of one driver as the model uses it: Stk drivers of PositionFactor mirror
// enclosures act as one driver, so Rdc, Z1k and Z10k are divided by Stk·PF and Vas and Sd
// multiplied by it.
struct DriverInput {
    int Stk = 1;        // pieces, truncated toward zero
    double Rdc = 8;     // [Ω] / (Stk·PF)
    double fs = 50;     // [Hz]
    double Qes = 0.71;  // [-]
    double Qms = 0.71;  // [-]
    double Vas = 0.06;  // [m³] · Stk·PF
    double Pmax = 100;  // rated power [W], not scaled
    double Sd = 0.02;   // [m²] · Stk·PF
    double Z1k = 8;     // [Ω] / (Stk·PF)
    double Z10k = 8;    // [Ω] / (Stk·PF)
    double Xmax = 0.002; // [m]
};

// Every value a run reads. Areas and volumes are those of PositionFactor enclosures side by
// side; lengths, frequencies, quality factors and voltages are not scaled.
struct SimulationInput {
    int PositionFactor = 1;
    int placementIndex = 2; // CBPosi item index (-1..4)

    DriverInput driver1;
    DriverInput driver2;       // already taken from driver 1's controls unless "Values from list"
    double Ue = 2.83;          // input voltage [V]
    int driver2Mode = 0;       // RGTreiber2: 0 without, 1 as driver 1, 2 values from list
    bool turnOver = false;     // CBumdrehen: driver 2 reversed
    double RdcText = 8;        // the number in EditRdc, unscaled (open shunts)

    // Horn.
    double AT = 0.005;         // throat area [m²]
    double AM = 0.02;          // mouth area [m²]
    double mouthWidthCm = 10;  // EditB as entered (contour list heights)
    double L = 1;              // horn length [m] (0 entered → √AM·1e-6)
    double beta1 = 0, beta2 = 0;
    double xT1 = 0, xT2 = 0;   // driver positions [m]
    double dL = 0, dL2 = 0;    // path differences [m]
    int profile = 0;           // CBKontur 0..6
    int hornType = 0;          // CBTyp item index; 1 = rear-loaded
    bool mouthClosed = false;  // CBMundGeschl
    int ContourPoints = 51;
    int FrequencyPoints = 100;

    // Chambers, port, absorber chamber, rear chamber 2, extra tunnel (entered values in SI,
    // volumes and areas · PF; the substitutes of switched-off parts are derived later).
    double Vvk = 0, Lvk = 0, betaVK = 0;
    double Vrk = 0.02, Lrk = 0, betaRK = 0;
    double Abr = 0, fbr = 1, betaBR = 0;
    bool portEntered = false;  // the text of EditAbr is not "0"
    bool fbrEntered = false;   // the text of Editfbr is not "0"
    bool CBAK = false;
    double VAK = 0, AAT = 0, fAK = 0, betaAK = 0, xAK = 0;
    bool CBRK2 = false;
    double Vrk2 = 0.02;
    bool CBET = false;
    double AET = 0.001, LET = 0.01, betaET = 0, xET = 0, dLET = 0;
    double Abst = 1;           // microphone distance [m]

    // Crossover element arrays, positions 1..14 (index 0 unused), as the check normalised them.
    bool ignoreCrossover = false; // CBohneFW
    std::array<double, 15> ElementR{};
    std::array<double, 15> ElementL{};
    std::array<double, 15> ElementInvC{};

    // Simulation range: automatic (10 Hz .. 20 kHz) unless a manual range with min < max.
    bool autoFrequencyRange = true;
    double rangeMin = 10, rangeMax = 20000;
};

} // namespace engine
