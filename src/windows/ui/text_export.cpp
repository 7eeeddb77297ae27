#include "windows/ui/text_export.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

#include "platform/model/app_error.h"
#include "platform/model/atomic_file.h"
#include "platform/ui/gbk_qt.h"
#include "platform/ui/qt_color.h"
#include "textview/ui/annotation_painter.h"
#include "textview/ui/density_font.h"
#include "textview/ui/gbk_cell_painter.h"
#include "textview/ui/syn_editor.h"
#include "textview/ui/thin_pen.h"
#include "windows/model/export_layout.h"

namespace veyrin {
namespace {

// Everything of the view that the paper shows.
struct PaperLook {
    std::vector<std::string> lines;  // tab-expanded GBK
    std::vector<TSynLineAnnotations> annotations;  // per line, while the view writes them
    QFont annotationFace;
    TExportGrid grid;
    TGbkCellFont font;
    int ascent = 0;
    QColor paper;
    QColor ink;
    bool ruled = false;
    QPen rule;
};

PaperLook lookOf(const TSynEditor& view) {
    PaperLook look;
    const TSynEditStringList& lines = view.Lines();
    for (int i = 0; i < lines.Count(); ++i) look.lines.push_back(lines.ExpandedString(i));
    if (view.annotations() != nullptr) {
        for (int i = 0; i < lines.Count(); ++i) look.annotations.push_back(view.lineAnnotations(i + 1));
    }
    look.annotationFace = view.annotationFont();
    look.grid = TExportGrid{view.charWidth(), view.textHeight(), view.rowHeight(), view.annotationBand()};
    look.font = view.cellFont();
    look.ascent = view.textAscent();
    look.paper = toQColor(view.color());
    look.ink = toQColor(view.fontColor());
    const TSynLineDivider& divider = view.LineDivider();
    look.ruled = divider.Visible();
    look.rule = thinPen(divider.Color(), divider.Style());
    return look;
}

void paintPage(QPainter& painter, const PaperLook& look, const TExportLayout& layout, const TExportPage& page) {
    painter.fillRect(QRect(0, 0, layout.pageWidth, layout.pageHeight), look.paper);
    for (const TExportRow& row : page.rows) {
        if (row.line >= 0 && row.line < static_cast<int>(look.lines.size()) && row.length > 0) {
            std::string_view text = std::string_view(look.lines[static_cast<size_t>(row.line)])
                                        .substr(static_cast<size_t>(row.start), static_cast<size_t>(row.length));
            drawGbkCells(painter, look.font, text, 0, text.size(), row.left, look.grid.cellWidth,
                         row.textTop + look.ascent, look.ink);
            if (static_cast<size_t>(row.line) < look.annotations.size()) {
                const size_t start = static_cast<size_t>(row.start);
                const TAnnotatedRow annotated{&look.annotations[static_cast<size_t>(row.line)], start, start + text.size()};
                drawRowAnnotations(painter, look.annotationFace, annotated, row.left, look.grid.cellWidth,
                                   row.textTop - look.grid.annotationBand, look.grid.annotationBand, look.ink);
            }
        }
        if (look.ruled) {
            painter.setPen(look.rule);
            drawThinLine(painter, QPoint(layout.ruleLeft, row.ruleY), QPoint(layout.ruleRight - 1, row.ruleY));
        }
    }
}

[[noreturn]] void cannotCreate(const QString& path) { throwCannotCreate(qStringToGbk(QDir::toNativeSeparators(path))); }

}  // namespace

QByteArray exportPdf(const TSynEditor& view) {
    const PaperLook look = lookOf(view);
    const TExportPaper paper = a5Paper();
    const TExportLayout layout =
        layoutPages(typesetForExport(look.lines, exportColumns(look.grid, paper)), look.grid, paper);

    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setResolution(96);  // the view's own pixels, so the text keeps its size on paper
    writer.setPageSize(QPageSize(QPageSize::A5));
    writer.setPageMargins(QMarginsF(0, 0, 0, 0));
    writer.setCreator(QStringLiteral("Veyrin"));
    writer.setTitle(look.lines.empty() ? QString() : gbkToQString(look.lines.front()).trimmed());
    QPainter painter(&writer);
    for (size_t i = 0; i < layout.pages.size(); ++i) {
        if (i > 0) writer.newPage();
        paintPage(painter, look, layout, layout.pages[i]);
    }
    painter.end();
    return bytes;
}

QImage exportPicture(const TSynEditor& view) {
    const PaperLook look = lookOf(view);
    const int width = view.viewport()->width();
    const int columns = sheetColumns(look.grid, width, view.textLeft());
    const TExportLayout layout = layoutSheet(typesetForExport(look.lines, columns), look.grid, width, view.textLeft());
    // At the view's density, so the picture is as sharp as the screen it was read on.
    const int density = densityOf(view);
    QImage picture(layout.pageWidth * density, layout.pageHeight * density, QImage::Format_RGB32);
    picture.setDevicePixelRatio(density);
    QPainter painter(&picture);
    paintPage(painter, look, layout, layout.pages.front());
    painter.end();
    return picture;
}

void exportViewToFile(const TSynEditor& view, const QString& path) {
    QByteArray bytes;
    switch (exportKindOf(path.toStdString())) {
        case TExportKind::Pdf: bytes = exportPdf(view); break;
        case TExportKind::Png: {
            QBuffer buffer(&bytes);
            buffer.open(QIODevice::WriteOnly);
            if (!exportPicture(view).save(&buffer, "PNG")) cannotCreate(path);
            break;
        }
        case TExportKind::Unsupported:
            throw AppError(qStringToGbk(QString::fromUtf8("无法导出到 %1：只能导出为 PDF（.pdf）或 PNG（.png）文件")
                                            .arg(QDir::toNativeSeparators(path))));
    }
    if (!replaceFileContents(QFile::encodeName(path).toStdString(), bytes.toStdString())) cannotCreate(path);
}

}  // namespace veyrin
