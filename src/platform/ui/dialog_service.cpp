#include "platform/ui/dialog_service.h"

#include <QApplication>
#include <QColorDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>

#include "platform/model/app_error.h"
#include "platform/ui/font_choice_dialog.h"
#include "platform/ui/font_faces.h"
#include "platform/ui/gbk_qt.h"
#include "platform/ui/qt_color.h"

namespace veyrin {
namespace {

const QString kCaption = QStringLiteral("Veyrin");

void centreOnScreen(QWidget& box) {
    box.adjustSize();
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect area = screen->availableGeometry();
        box.move(area.center() - QPoint(box.width() / 2, box.height() / 2));
    }
}

int runBox(QWidget* parent, QMessageBox::Icon icon, const QString& text) {
    QMessageBox box(icon, kCaption, text, QMessageBox::NoButton, parent);
    box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
    centreOnScreen(box);
    return box.exec();
}

class QtDialogService final : public DialogService {
public:
    void showError(QWidget* parent, const QString& text) override { runBox(parent, QMessageBox::Critical, text); }

    void showMessage(QWidget* parent, const QString& text) override { runBox(parent, QMessageBox::NoIcon, text); }

    std::optional<ChosenFont> chooseFont(QWidget* parent, const ChosenFont& initial) override {
        FontChoiceDialog dialog(initial, parent);
        if (dialog.exec() != QDialog::Accepted) return std::nullopt;
        return dialog.chosenFont();
    }

    std::optional<TColor> chooseColor(QWidget* parent, TColor initial) override {
        QColor chosen = QColorDialog::getColor(toQColor(initial), parent);
        if (!chosen.isValid()) return std::nullopt;
        return fromQColor(chosen);
    }
};

QtDialogService& qtDialogs() {
    static QtDialogService service;
    return service;
}

DialogService* g_installed = nullptr;

}  // namespace

DialogService& dialogs() {
    if (g_installed) return *g_installed;
    return qtDialogs();
}

DialogService* installDialogService(DialogService* service) {
    DialogService* previous = g_installed;
    g_installed = service;
    return previous;
}

void reportError(QWidget* parent, const std::string& gbkMessage) {
    dialogs().showError(parent, gbkToQString(withFullStop(gbkMessage)));
}

}  // namespace veyrin
