// The "Misc" window: the parameter report of the last run in two read-only panes.
#include "ParamForm.h"

#include <QHBoxLayout>
#include <QPlainTextEdit>

namespace ui {

namespace {

QPlainTextEdit* makeMemo(const char* name, QWidget* parent) {
    auto* memo = new QPlainTextEdit(parent);
    memo->setObjectName(QLatin1String(name));
    memo->setReadOnly(true);
    memo->setLineWrapMode(QPlainTextEdit::NoWrap);
    memo->setFrameShape(QFrame::NoFrame);
    QFont font = memo->font();
    font.setPixelSize(11);
    memo->setFont(font);
    memo->document()->setDocumentMargin(2);
    memo->setMinimumSize(40, 0);
    return memo;
}

void fill(QPlainTextEdit* memo, const std::vector<std::string>& lines) {
    QStringList texts;
    for (const std::string& line : lines)
        texts << QString::fromStdString(line);
    memo->setPlainText(texts.join(QLatin1Char('\n')));
}

} // namespace

ParamForm::ParamForm(QWidget* parent) : MinimisingWindow(parent) {
    setObjectName(QStringLiteral("ParamForm"));
    setWindowTitle(QStringLiteral("Misc"));
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(1);
    m_memo1 = makeMemo("Memo1", this);
    m_memo2 = makeMemo("Memo2", this);
    layout->addWidget(m_memo1, 1);
    layout->addWidget(m_memo2, 1);
    resize(292, 223);
}

void ParamForm::clearReport() {
    m_memo1->clear();
    m_memo2->clear();
}

void ParamForm::showReport(const std::vector<std::string>& memo1,
                           const std::vector<std::string>& memo2) {
    fill(m_memo1, memo1);
    fill(m_memo2, memo2);
    resize(width(), 14 * static_cast<int>(memo1.size()) + 15);
}

} // namespace ui
