#include "platform/ui/font_choice_dialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFontDialog>
#include <QFormLayout>
#include <QPainter>
#include <QPixmap>
#include <QVBoxLayout>

#include <array>

#include "platform/ui/qt_color.h"

namespace veyrin {
namespace {

const char* const kColourNames[16] = {"黑色", "褐红色", "绿色", "橄榄色", "深蓝色", "紫色", "深青色", "灰色",
                                      "银色", "红色", "酸橙色", "黄色", "蓝色", "紫红色", "浅绿色", "白色"};

QIcon swatch(TColor colour) {
    QPixmap pixmap(16, 12);
    pixmap.fill(toQColor(colour));
    QPainter painter(&pixmap);
    painter.setPen(Qt::gray);
    painter.drawRect(pixmap.rect().adjusted(0, 0, -1, -1));
    return QIcon(pixmap);
}

QFont toQFont(const ChosenFont& chosen) {
    QFont font(chosen.face);
    font.setPointSize(chosen.points);
    font.setBold(chosen.bold);
    font.setItalic(chosen.italic);
    font.setUnderline(chosen.underline);
    font.setStrikeOut(chosen.strikeOut);
    return font;
}

}  // namespace

const std::array<TColor, 16>& FontChoiceDialog::listColours() {
    static const std::array<TColor, 16> colours = {clBlack, clMaroon, clGreen,   clOlive, clNavy, clPurple,
                                                   clTeal,  clGray,   clSilver,  clRed,   clLime, clYellow,
                                                   clBlue,  clFuchsia, clAqua,   clWhite};
    return colours;
}

FontChoiceDialog::FontChoiceDialog(const ChosenFont& initial, QWidget* parent)
    : QDialog(parent), chooser_(new QFontDialog(this)), colours_(new QComboBox(this)), initialPoints_(initial.points) {
    setWindowTitle(QString::fromUtf8("字体"));
    chooser_->setWindowFlags(Qt::Widget);
    chooser_->setOptions(QFontDialog::NoButtons);
    chooser_->setCurrentFont(toQFont(initial));

    const auto& colours = listColours();
    int current = 0;
    for (size_t i = 0; i < colours.size(); ++i) {
        colours_->addItem(swatch(colours[i]), QString::fromUtf8(kColourNames[i]));
        if (colorToRgb(colours[i]) == colorToRgb(initial.color)) current = static_cast<int>(i);
    }
    colours_->setCurrentIndex(current);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* colourRow = new QFormLayout;
    colourRow->addRow(QString::fromUtf8("颜色："), colours_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(chooser_);
    layout->addLayout(colourRow);
    layout->addWidget(buttons);
}

ChosenFont FontChoiceDialog::chosenFont() const {
    QFont font = chooser_->currentFont();
    ChosenFont result;
    result.face = font.family();
    result.points = font.pointSize() > 0 ? font.pointSize() : initialPoints_;
    result.bold = font.bold();
    result.italic = font.italic();
    result.underline = font.underline();
    result.strikeOut = font.strikeOut();
    result.color = listColours()[static_cast<size_t>(std::max(0, colours_->currentIndex()))];
    return result;
}

}  // namespace veyrin
