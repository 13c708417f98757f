// Geometry of the crossover schematic: element pictures, wires, junctions and labels.
#pragma once

#include <QLine>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>
#include <vector>

namespace ui {

// One of the 42 element pictures: R (row 1), C (row 2) or L (row 3) of a position 1..14,
// the grid cell it stands for being [position, row].
struct CrossoverPicture {
    int position = 0;
    int row = 0;
    bool vertical = false; // shunt positions stand upright
    QRect rect;
};

struct CrossoverText {
    QRect box;
    QString text;
    bool positionNumber = false; // small grey numbers beside the positions; "Ue" otherwise
};

// Places the two ladders from their input "Ue" to their driver in a drawing of a given size.
// Driver 1: series 1, shunt 2, series 3, shunt 4, series 5 (R5, C5, L5 in parallel, one above
// the other), shunt 6, the series group 7, 8, 9 (three R-C-L rows in parallel), shunt 10,
// driver 1. Driver 2, below it: series 11, shunt 12, series 13, shunt 14, driver 2, its
// positions under those of driver 1's first four. Every ladder has an upper rail carrying the
// series positions and a return rail; the shunts join the two. Series pictures lie flat on
// the rail, shunt pictures stand between the rails. The spare room is spread between the
// parts; a drawing smaller than `minimumSize()` is laid out at that size.
class CrossoverLayout {
public:
    static constexpr int Positions = 14;
    static constexpr int PictureLength = 22;
    static constexpr int PictureBreadth = 14;

    explicit CrossoverLayout(QSize size);

    static QSize minimumSize();
    // Positions 2, 4, 6, 10, 12, 14.
    static bool isShunt(int position);
    // "R1", "C1", "L1" … "L14".
    static QString hint(int position, int row);

    const std::vector<CrossoverPicture>& pictures() const { return m_pictures; }
    // The picture of [position, row]; position 1..14, row 1..3.
    const CrossoverPicture& picture(int position, int row) const;
    // The picture under `point`, or nullptr.
    const CrossoverPicture* pictureAt(QPoint point) const;

    const std::vector<QLine>& wires() const { return m_wires; }
    // Where three wires meet.
    const std::vector<QPoint>& junctions() const { return m_junctions; }
    // The input terminals: upper and return rail of each ladder.
    const std::vector<QPoint>& terminals() const { return m_terminals; }
    const std::vector<CrossoverText>& texts() const { return m_texts; }
    // The 34 × 34 driver picture of driver 1 or 2; its coil's leads join the middle of its
    // top and bottom edge at 8 and 25 pixels from the top, 12 from the left.
    QRect driver(int number) const { return m_drivers[number == 2 ? 1 : 0]; }

    static constexpr int DriverSize = 34;
    static constexpr int DriverLeadX = 12;
    static constexpr int DriverLeadTop = 8;
    static constexpr int DriverLeadBottom = 25;

private:
    struct Ladder {
        int rail = 0;   // y of the upper rail
        int ret = 0;    // y of the return rail
        int leftX = 0;  // where the rails begin (the input terminals)
        int rightX = 0; // where the upper rail turns down to the driver
    };

    void addSeries(int position, int x, int y);
    void addShunt(int position, int x, const Ladder& ladder);
    // Position 5 (rows = 1) or the group 7, 8, 9 (one position per row, rows R-C-L each).
    void addParallel(int firstPosition, bool onePositionPerRow, int left, int right, int y);
    void addInput(const Ladder& ladder);
    void addDriver(int number, const Ladder& ladder);
    void addPicture(int position, int row, bool vertical, int x, int y);
    void addNumber(int position, QRect box);

    std::vector<CrossoverPicture> m_pictures;
    std::vector<QLine> m_wires;
    std::vector<QPoint> m_junctions;
    std::vector<QPoint> m_terminals;
    std::vector<CrossoverText> m_texts;
    QRect m_drivers[2];
};

} // namespace ui
