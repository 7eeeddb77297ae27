#pragma once
// 导出: the reading view's text on ruled letter paper, as A5 PDF pages (the view's face embedded,
// the text selectable) or as one PNG picture of the whole text at the view's width. Both use the
// view's font, colours, row height and ruled-line setting, so the paper looks like the screen, but
// the text is set afresh for the paper as a Chinese page sets it, not wrapped as the view wraps it.

#include <QByteArray>
#include <QImage>
#include <QString>

namespace veyrin {

class TSynEditor;

QByteArray exportPdf(const TSynEditor& view);
QImage exportPicture(const TSynEditor& view);

// Writes the PDF or PNG that the name's extension asks for. The file appears whole or not at
// all (written beside the target and renamed over it). Raises AppError for another extension,
// and "Cannot create file <path>" when the file cannot be written.
void exportViewToFile(const TSynEditor& view, const QString& path);

}  // namespace veyrin
