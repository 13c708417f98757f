// The tab page "Crossover": the ladder drawing of the two drivers and the value grid FWGrid.
#include "CrossoverPage.h"

#include <QCheckBox>
#include <QLabel>
#include <QPainter>
#include <QVBoxLayout>

#include "FormWidgets.h"
#include "StringGrid.h"

namespace ui {

namespace {

constexpr int GridColumns = 15;
constexpr int GridRows = 4;
constexpr int PositionColumnWidth = 33;

// The two ladders from the input "Ue" to their driver; the element pictures of the 14
// positions are drawn over these wires.
class LadderDrawing : public QWidget {
public:
    explicit LadderDrawing(QWidget* parent) : QWidget(parent) {
        setObjectName(QStringLiteral("FWDrawing"));
        for (int ladder = 0; ladder < 2; ++ladder) {
            auto* input = new QLabel(QStringLiteral("Ue"), this);
            input->setObjectName(QStringLiteral("LabelFWUe%1").arg(ladder + 1));
            m_inputs[ladder] = input;
            auto* driver = new QLabel(this);
            driver->setObjectName(QStringLiteral("ImageTreiber%1").arg(ladder + 1));
            driver->setPixmap(driverPicture(ladder + 1));
            driver->setFixedSize(driver->pixmap().size());
            m_drivers[ladder] = driver;
        }
    }

protected:
    void resizeEvent(QResizeEvent*) override {
        for (int ladder = 0; ladder < 2; ++ladder) {
            const int y = wireY(ladder);
            m_inputs[ladder]->setGeometry(6, y - 8, 20, 16);
            QLabel* driver = m_drivers[ladder];
            driver->move(width() - driver->width() - 12, y - driver->height() / 2);
        }
    }

    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setPen(QPen(palette().color(QPalette::WindowText), 1));
        for (int ladder = 0; ladder < 2; ++ladder) {
            const int y = wireY(ladder);
            painter.drawLine(28, y, m_drivers[ladder]->x() + 6, y);
        }
    }

private:
    int wireY(int ladder) const { return ladder == 0 ? height() / 4 : height() * 3 / 4 - 12; }

    // A loudspeaker symbol with its number written at 10 pixels from the left, 12 from the top.
    static QPixmap driverPicture(int number) {
        QPixmap picture(34, 34);
        picture.fill(Qt::transparent);
        QPainter painter(&picture);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(Qt::black, 1));
        painter.setBrush(Qt::white);
        painter.drawRect(QRectF(6.5, 8.5, 12, 17));
        const QPointF cone[] = {{18.5, 8.5}, {31.5, 1.5}, {31.5, 32.5}, {18.5, 25.5}};
        painter.drawPolygon(cone, 4);
        QFont font = painter.font();
        font.setPixelSize(10);
        font.setBold(true);
        painter.setFont(font);
        painter.drawText(QPoint(10, 12 + 9), QString::number(number));
        return picture;
    }

    QLabel* m_inputs[2] = {};
    QLabel* m_drivers[2] = {};
};

} // namespace

QWidget* buildCrossoverPage(QWidget* parent) {
    auto* page = new QWidget(parent);
    page->setObjectName(QStringLiteral("FWTab"));
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->setSpacing(4);
    layout->addWidget(new LadderDrawing(page), 1);
    layout->addWidget(form::check(page, "CBohneFW"));
    auto* grid = new StringGrid(GridColumns, GridRows, 1, 1, page);
    grid->setObjectName(QStringLiteral("FWGrid"));
    layout->addWidget(grid, 0, Qt::AlignHCenter);
    setUpCrossoverGrid(page);
    return page;
}

void setUpCrossoverGrid(QWidget* page) {
    auto* grid = page->findChild<StringGrid*>(QStringLiteral("FWGrid"));
    if (!grid)
        return;
    QList<int> widths{2 * PositionColumnWidth};
    for (int c = 1; c < GridColumns; ++c) {
        widths << PositionColumnWidth;
        grid->setCell(c, 0, QString::number(c));
        grid->item(0, c)->setTextAlignment(Qt::AlignCenter);
    }
    grid->setColumnWidths(widths);
    grid->setCell(0, 1, QStringLiteral("R [Ohm]"));
    grid->setCell(0, 2, QStringLiteral("C [uF]"));
    grid->setCell(0, 3, QStringLiteral("L [mH]"));
}

} // namespace ui
