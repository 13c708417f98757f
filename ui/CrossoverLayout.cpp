// Geometry of the crossover schematic: element pictures, wires, junctions and labels.
#include "CrossoverLayout.h"

#include <algorithm>
#include <stdexcept>

namespace ui {

namespace {

constexpr int Margin = 4;
constexpr int SeriesWidth = 3 * CrossoverLayout::PictureLength;
constexpr int ShuntWidth = CrossoverLayout::PictureBreadth;
// A shunt: lead from the upper rail, three upright pictures, lead to the return rail.
constexpr int ShuntLead = 6;
constexpr int LadderDepth = 2 * ShuntLead + 3 * CrossoverLayout::PictureLength;
// Rows of a parallel part lie this far apart, the middle one on the rail.
constexpr int RowPitch = 20;
// A parallel row: lead with the position number, the pictures, lead to the right wire.
constexpr int RowLeadLeft = 10;
constexpr int RowLeadRight = 4;
constexpr int Parallel5Width = RowLeadLeft + CrossoverLayout::PictureLength + RowLeadRight;
constexpr int GroupWidth = RowLeadLeft + SeriesWidth + RowLeadRight;
constexpr int InputWidth = 30;
constexpr int TerminalX = 26; // from the left of the input part
// Room above the upper rail of driver 1 (the upper rows of the parallel parts) and of driver 2.
constexpr int Above1 = RowPitch + CrossoverLayout::PictureBreadth / 2 + 1;
constexpr int Above2 = CrossoverLayout::PictureBreadth / 2 + 1;
// Ladder 1 from left to right: input, 1, 2, 3, 4, 5, 6, 7-9, 10, driver.
constexpr int PartCount = 10;
constexpr int Widths[PartCount] = {
    InputWidth,     SeriesWidth, ShuntWidth, SeriesWidth, ShuntWidth,
    Parallel5Width, ShuntWidth,  GroupWidth, ShuntWidth,  CrossoverLayout::DriverSize};
constexpr int MinGap = 12;
constexpr int MaxGap = 30;
constexpr int MinLadderGap = 10;

constexpr int fixedWidth() {
    int sum = 0;
    for (int w : Widths)
        sum += w;
    return sum;
}

constexpr int NumberHeight = 11;

} // namespace

bool CrossoverLayout::isShunt(int position) {
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

QString CrossoverLayout::hint(int position, int row) {
    static const char Letters[] = {'R', 'C', 'L'};
    return QStringLiteral("%1%2").arg(QLatin1Char(Letters[row - 1])).arg(position);
}

QSize CrossoverLayout::minimumSize() {
    return {2 * Margin + fixedWidth() + (PartCount - 1) * MinGap,
            2 * Margin + Above1 + LadderDepth + MinLadderGap + Above2 + LadderDepth + 1};
}

CrossoverLayout::CrossoverLayout(QSize size) {
    const QSize least = minimumSize();
    const int width = std::max(size.width(), least.width());
    const int height = std::max(size.height(), least.height());

    const int gap =
        std::clamp((width - 2 * Margin - fixedWidth()) / (PartCount - 1), MinGap, MaxGap);
    int left[PartCount];
    left[0] = (width - fixedWidth() - (PartCount - 1) * gap) / 2;
    for (int i = 1; i < PartCount; ++i)
        left[i] = left[i - 1] + Widths[i - 1] + gap;

    // Half the spare height goes between the ladders, to keep them apart; a quarter above
    // and below them.
    const int spare = height - (least.height() - 2 * Margin - MinLadderGap);
    Ladder one;
    one.rail = spare / 4 + Above1;
    one.ret = one.rail + LadderDepth;
    Ladder two;
    two.rail = one.ret + std::max(spare / 2, MinLadderGap) + Above2;
    two.ret = two.rail + LadderDepth;

    const int shuntX[PartCount] = {0,
                                   0,
                                   left[2] + ShuntWidth / 2,
                                   0,
                                   left[4] + ShuntWidth / 2,
                                   0,
                                   left[6] + ShuntWidth / 2,
                                   0,
                                   left[8] + ShuntWidth / 2};

    // Driver 1.
    one.leftX = left[0] + TerminalX;
    one.rightX = left[9] + DriverLeadX;
    addInput(one);
    const int y1 = one.rail;
    m_wires.push_back({one.leftX, y1, left[1], y1});
    addSeries(1, left[1], y1);
    m_wires.push_back({left[1] + SeriesWidth, y1, left[3], y1});
    addShunt(2, shuntX[2], one);
    addSeries(3, left[3], y1);
    m_wires.push_back({left[3] + SeriesWidth, y1, left[5], y1});
    addShunt(4, shuntX[4], one);
    addParallel(5, false, left[5], left[5] + Parallel5Width, y1);
    m_wires.push_back({left[5] + Parallel5Width, y1, left[7], y1});
    addShunt(6, shuntX[6], one);
    addParallel(7, true, left[7], left[7] + GroupWidth, y1);
    m_wires.push_back({left[7] + GroupWidth, y1, one.rightX, y1});
    addShunt(10, shuntX[8], one);
    addDriver(1, one);

    // Driver 2, its positions under 1, 2, 3, 4.
    two.leftX = one.leftX;
    two.rightX = left[5] + DriverLeadX;
    addInput(two);
    const int y2 = two.rail;
    m_wires.push_back({two.leftX, y2, left[1], y2});
    addSeries(11, left[1], y2);
    m_wires.push_back({left[1] + SeriesWidth, y2, left[3], y2});
    addShunt(12, shuntX[2], two);
    addSeries(13, left[3], y2);
    m_wires.push_back({left[3] + SeriesWidth, y2, two.rightX, y2});
    addShunt(14, shuntX[4], two);
    addDriver(2, two);

    std::sort(m_pictures.begin(), m_pictures.end(),
              [](const CrossoverPicture& a, const CrossoverPicture& b) {
                  return a.position != b.position ? a.position < b.position : a.row < b.row;
              });
}

const CrossoverPicture& CrossoverLayout::picture(int position, int row) const {
    if (position < 1 || position > Positions || row < 1 || row > 3)
        throw std::out_of_range("no crossover element " + std::to_string(position) + "/" +
                                std::to_string(row));
    return m_pictures[static_cast<std::size_t>((position - 1) * 3 + row - 1)];
}

const CrossoverPicture* CrossoverLayout::pictureAt(QPoint point) const {
    for (const CrossoverPicture& p : m_pictures)
        if (p.rect.contains(point))
            return &p;
    return nullptr;
}

void CrossoverLayout::addPicture(int position, int row, bool vertical, int x, int y) {
    const QRect rect = vertical ? QRect(x, y, PictureBreadth, PictureLength)
                                : QRect(x, y, PictureLength, PictureBreadth);
    m_pictures.push_back({position, row, vertical, rect});
}

void CrossoverLayout::addNumber(int position, QRect box) {
    m_texts.push_back({box, QString::number(position), true});
}

// R, C and L one after the other on the rail at y, from x on; the number below them.
void CrossoverLayout::addSeries(int position, int x, int y) {
    for (int row = 1; row <= 3; ++row)
        addPicture(position, row, false, x + (row - 1) * PictureLength, y - PictureBreadth / 2);
    addNumber(position, QRect(x, y + PictureBreadth / 2 + 2, SeriesWidth, NumberHeight));
}

// R, C and L from the upper rail down to the return rail at x; the number beside R.
void CrossoverLayout::addShunt(int position, int x, const Ladder& ladder) {
    const int top = ladder.rail + ShuntLead;
    m_wires.push_back({x, ladder.rail, x, top});
    for (int row = 1; row <= 3; ++row)
        addPicture(position, row, true, x - PictureBreadth / 2, top + (row - 1) * PictureLength);
    const int bottom = top + 3 * PictureLength;
    m_wires.push_back({x, bottom, x, ladder.ret});
    m_junctions.push_back({x, ladder.rail});
    m_junctions.push_back({x, ladder.ret});
    addNumber(position, QRect(x + PictureBreadth / 2 + 2, top + 2, 16, NumberHeight));
}

// Three rows between a left and a right wire, the middle one on the rail at y.
void CrossoverLayout::addParallel(int firstPosition, bool onePositionPerRow, int left, int right,
                                  int y) {
    const int top = y - RowPitch;
    const int bottom = y + RowPitch;
    m_wires.push_back({left, top, left, bottom});
    m_wires.push_back({right, top, right, bottom});
    m_junctions.push_back({left, y});
    m_junctions.push_back({right, y});
    for (int r = 0; r < 3; ++r) {
        const int rowY = top + r * RowPitch;
        const int x = left + RowLeadLeft;
        int end = x;
        if (onePositionPerRow) {
            const int position = firstPosition + r;
            for (int row = 1; row <= 3; ++row)
                addPicture(position, row, false, x + (row - 1) * PictureLength,
                           rowY - PictureBreadth / 2);
            end = x + SeriesWidth;
            addNumber(position,
                      QRect(left + 1, rowY - NumberHeight + 2, RowLeadLeft - 1, NumberHeight));
        } else {
            addPicture(firstPosition, r + 1, false, x, rowY - PictureBreadth / 2);
            end = x + PictureLength;
        }
        m_wires.push_back({left, rowY, x, rowY});
        m_wires.push_back({end, rowY, right, rowY});
    }
    if (!onePositionPerRow)
        addNumber(firstPosition,
                  QRect(left, bottom + PictureBreadth / 2 + 2, right - left, NumberHeight));
}

// The terminals of both rails, "Ue" between them, and the return rail to the driver.
void CrossoverLayout::addInput(const Ladder& ladder) {
    m_terminals.push_back({ladder.leftX, ladder.rail});
    m_terminals.push_back({ladder.leftX, ladder.ret});
    const int middle = (ladder.rail + ladder.ret) / 2;
    m_texts.push_back({QRect(ladder.leftX - TerminalX, middle - 8, TerminalX - 4, 16),
                       QStringLiteral("Ue"), false});
    m_wires.push_back({ladder.leftX, ladder.ret, ladder.rightX, ladder.ret});
}

// The driver between the rails, at the end of the upper rail.
void CrossoverLayout::addDriver(int number, const Ladder& ladder) {
    const int middle = (ladder.rail + ladder.ret) / 2;
    const QRect rect(ladder.rightX - DriverLeadX, middle - DriverSize / 2, DriverSize, DriverSize);
    m_drivers[number - 1] = rect;
    m_wires.push_back({ladder.rightX, ladder.rail, ladder.rightX, rect.top() + DriverLeadTop});
    m_wires.push_back({ladder.rightX, rect.top() + DriverLeadBottom, ladder.rightX, ladder.ret});
}

} // namespace ui
