#pragma once
// The font dialog: Qt's font chooser (face, style, size, underline and strike-out) with the
// colour list that a font dialog with effects offers, so a font is chosen with its colour.

#include <QDialog>

#include <array>

#include "platform/ui/dialog_service.h"

class QComboBox;
class QFontDialog;

namespace veyrin {

class FontChoiceDialog : public QDialog {
    Q_OBJECT
public:
    FontChoiceDialog(const ChosenFont& initial, QWidget* parent = nullptr);

    ChosenFont chosenFont() const;
    QFontDialog* fontChooser() const { return chooser_; }
    QComboBox* colourList() const { return colours_; }

    // The sixteen colours of the list, in their order (0x00BBGGRR).
    static const std::array<TColor, 16>& listColours();

private:
    QFontDialog* chooser_;
    QComboBox* colours_;
    int initialPoints_;
};

}  // namespace veyrin
