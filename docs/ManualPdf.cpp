// velmora-manual: renders the Markdown manual into the PDF that the program opens with F1.
#include <QFile>
#include <QFileInfo>
#include <QFont>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPdfWriter>
#include <QTextDocument>
#include <cstdio>

// Usage: velmora-manual MANUAL.md OUT.pdf. Exit status 0 when the PDF was written, 1 when
// the source could not be read or the PDF not written, 2 for bad arguments. Needs a Qt
// platform for the fonts; the build runs it on the offscreen platform.
int main(int argc, char** argv) {
    if (argc != 3) {
        std::fputs("usage: velmora-manual MANUAL.md OUT.pdf\n", stderr);
        return 2;
    }
    QGuiApplication application(argc, argv);
    const QString source = QString::fromLocal8Bit(argv[1]);
    const QString target = QString::fromLocal8Bit(argv[2]);
    QFile markdown(source);
    if (!markdown.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "velmora-manual: cannot read %s\n", argv[1]);
        return 1;
    }
    QTextDocument document;
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPointSizeF(10);
    document.setDefaultFont(font);
    document.setMarkdown(QString::fromUtf8(markdown.readAll()));

    QFile::remove(target);
    {
        QPdfWriter writer(target);
        writer.setTitle(QStringLiteral("Velmora 7 Manual"));
        writer.setCreator(QStringLiteral("Velmora"));
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                         QMarginsF(18, 18, 18, 18), QPageLayout::Millimeter));
        document.print(&writer);
    }
    if (QFileInfo(target).size() == 0) {
        std::fprintf(stderr, "velmora-manual: cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
