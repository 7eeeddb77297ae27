#pragma once
// The modal dialogs the program shows (error box, plain message, font and colour choice) sit behind
// one interface, so tests answer them without real modal windows. The program installs the Qt
// implementation at start; tests install a recording fake.

#include <QFont>
#include <QString>

#include <optional>

#include "platform/model/color.h"

class QWidget;

namespace veyrin {

// A font as the font dialog hands it over: face, style, size in points and colour.
struct ChosenFont {
    QString face;
    int points = 11;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    TColor color = clBlack;
};

class DialogService {
public:
    virtual ~DialogService() = default;
    // Error box: caption "Veyrin", error icon, one OK button; `text` already has its full stop.
    virtual void showError(QWidget* parent, const QString& text) = 0;
    // Plain message: caption "Veyrin", no icon, one "OK" button, centred on the screen.
    virtual void showMessage(QWidget* parent, const QString& text) = 0;
    // Font dialog opened with `initial`; nothing when cancelled.
    virtual std::optional<ChosenFont> chooseFont(QWidget* parent, const ChosenFont& initial) = 0;
    // Colour dialog starting on `initial`; nothing when cancelled.
    virtual std::optional<TColor> chooseColor(QWidget* parent, TColor initial) = 0;
};

// The service in use; the Qt implementation unless a test installed another.
DialogService& dialogs();
// Installs `service` (not owned) and returns the previous one; nullptr restores the Qt dialogs.
DialogService* installDialogService(DialogService* service);

// Reports an error message (GBK bytes) through the error box, applying the full-stop rule.
void reportError(QWidget* parent, const std::string& gbkMessage);

}  // namespace veyrin
