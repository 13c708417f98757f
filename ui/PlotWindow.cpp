// A plot window of one response quantity: plot area, value labels, frequency strip and title.
#include "PlotWindow.h"

#include <QResizeEvent>

namespace ui {

namespace {

constexpr int DesignWidth = 412;
constexpr int DesignHeight = 233;

} // namespace

PlotWindow::PlotWindow(const QString& objectName, const QString& caption, Kind kind,
                       QWidget* parent)
    : MinimisingWindow(parent), m_kind(kind) {
    setObjectName(objectName);
    setWindowTitle(caption);
    setMinimumSize(300, 200);
    QFont font = this->font();
    font.setPixelSize(11);
    setFont(font);

    m_image = new QWidget(this);
    m_image->setObjectName(QStringLiteral("Image1"));
    m_image->setAutoFillBackground(true);
    QPalette white = m_image->palette();
    white.setColor(QPalette::Window, Qt::white);
    m_image->setPalette(white);

    m_axis = new QWidget(this);
    m_axis->setObjectName(QStringLiteral("xAxis"));

    m_title = new QLabel(this);
    m_title->setObjectName(QStringLiteral("Label18"));
    m_title->setAlignment(Qt::AlignCenter);

    // Texts until the first labelling.
    const QStringList texts = kind == Kind::Phase
                                  ? QStringList{"-180", "-90", "0", "90", "180"}
                                  : QStringList{"60", "70", "80", "90", "100", "110"};
    for (int i = 0; i < texts.size(); ++i) {
        auto* label = new QLabel(texts[i], this);
        label->setObjectName(QStringLiteral("Label%1").arg(i + 1));
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        m_values.push_back(label);
    }
    resize(DesignWidth, DesignHeight);
}

void PlotWindow::resizeEvent(QResizeEvent* event) {
    MinimisingWindow::resizeEvent(event);
    const int w = width();
    const int h = height();
    // Anchors of the design: the plot area follows all four edges, the strip the left,
    // right and bottom edges, the bottom label and the title the bottom edge.
    m_image->setGeometry(48, 10, w - (DesignWidth - 349), h - (DesignHeight - 175));
    m_axis->setGeometry(40, h - (DesignHeight - 196), w - (DesignWidth - 374), 13);
    m_title->setGeometry((w - 99) / 2, h - (DesignHeight - 212), 99, 16);
    const int bottom = h - (DesignHeight - 179);
    const int plotHeight = m_image->height();
    const int count = static_cast<int>(m_values.size());
    for (int i = 0; i < count; ++i) {
        const int top = bottom - plotHeight * i / (count - 1);
        m_values[static_cast<size_t>(i)]->setGeometry(5, top, 32, 13);
    }
}

} // namespace ui
