#include <QtTest>

#include "controls/ui/sui_button.h"
#include "controls/ui/sui_check_box.h"
#include "controls/ui/sui_combo_box.h"
#include "controls/ui/sui_radio_button.h"
#include "controls/ui/theme_drawing.h"
#include "platform/ui/font_faces.h"

using namespace veyrin;

namespace {

const QColor kWindowColor(0xE1, 0xE1, 0xE1);

// The main window's author lookup button: WinXP style, 73 x 23, "查找作者".
void makeLookupButton(veyrin::TsuiButton& button) {
    button.setUIStyle(veyrin::TsuiUIStyle::WinXP);
    button.setCaption(QString::fromUtf8("查找作者"));
    button.setGeometry(0, 0, 73, 23);
}

QFont windowFont() { return fontWithPixelSize(QString::fromUtf8("宋体"), 12); }

QImage grabbed(QWidget& widget) { return widget.grab().toImage().convertToFormat(QImage::Format_RGB32); }

QRgb rgb(const QImage& image, int x, int y) { return image.pixel(x, y) & 0xFFFFFF; }

// Text is drawn smoothed, so strokes are told apart by their darkest level.
int darkestGrey(const QImage& image, const QRect& region) {
    int darkest = 255;
    for (int y = region.top(); y <= region.bottom(); ++y)
        for (int x = region.left(); x <= region.right(); ++x) darkest = std::min(darkest, qGray(image.pixel(x, y)));
    return darkest;
}

}  // namespace

class ThemeLookTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { installFontSubstitutions(); }

    void everyThemePictureHasItsSize() {
        const QList<std::tuple<const char*, int, int>> sizes = {
            {"MACOS_BUTTON", 252, 23}, {"WINXP_BUTTON", 54, 21}, {"DEEPBLUE_BUTTON", 222, 21},
            {"PROTEIN_BUTTON", 222, 21}, {"BLUEGLASS_BUTTON", 231, 27}, {"MACOS_CHECKBOX", 60, 17},
            {"MACOS_RADIOBUTTON", 64, 17}, {"WINXP_CHECKBOX", 52, 13}, {"WINXP_RADIOBUTTON", 52, 13},
            {"DEEPBLUE_CHECKBOX", 52, 13}, {"PROTEIN_RADIOBUTTON", 52, 13}, {"BLUEGLASS_CHECKBOX", 52, 13},
            {"MACOS_COMBOBOX_BUTTON", 16, 17}, {"WINXP_COMBOBOX_BUTTON", 16, 18}, {"MACOS_SIDECHENNEL_BAR", 1, 21},
            {"DEEPBLUE_SIDECHENNEL_BAR", 1, 20}, {"PANEL_BUTTON", 52, 12}};
        for (const auto& [name, w, h] : sizes) QCOMPARE(themeBitmap(name).size(), QSize(w, h));
        QVERIFY(themeBitmap("NO_SUCH_PICTURE").isNull());
        // Rounded pictures are cut out with fuchsia, which is what the drawing keys on.
        QCOMPARE(rgb(themeBitmap("MACOS_BUTTON"), 0, 0), QRgb(0xFF00FF));
        QCOMPARE(rgb(themeBitmap("MACOS_RADIOBUTTON"), 0, 16), QRgb(0xFF00FF));
    }

    void lookupButtonIsNinePatchedFromTheWinXpFrame() {
        QWidget window;
        window.setFont(windowFont());
        TsuiButton button(&window);
        makeLookupButton(button);
        const QImage face = grabbed(button);
        const QImage skin = copyFrame(themeBitmap("WINXP_BUTTON"), 3, 1);
        QCOMPARE(face.size(), QSize(73, 23));
        for (int y = 0; y < 10; ++y)
            for (int x = 0; x < 9; ++x) QCOMPARE(rgb(face, x, y), rgb(skin, x, y));  // top-left 9 x 10
        for (int y = 0; y < 9; ++y)
            for (int x = 0; x < 8; ++x) QCOMPARE(rgb(face, 65 + x, 14 + y), rgb(skin, 10 + x, 12 + y));  // bottom-right
        // Row 13 belongs to the bottom edge from column 8 on.
        for (int y = 10; y < 13; ++y) {
            for (int x = 0; x < 9; ++x) QCOMPARE(rgb(face, x, y), rgb(skin, x, 10));        // left edge: row 10
            for (int x = 0; x < 8; ++x) QCOMPARE(rgb(face, 65 + x, y), rgb(skin, 10 + x, 11));  // right edge: row 11
        }
        for (int y = 0; y < 4; ++y) QCOMPARE(rgb(face, 10, y), rgb(skin, 9, y));  // top edge: column 9
        QVERIFY(darkestGrey(face, QRect(12, 5, 48, 13)) < 0x40);  // the caption
    }

    void focusLookDependsOnStyle() {
        QWidget window;
        window.setFont(windowFont());
        auto* xp = new TsuiButton(&window);
        xp->setUIStyle(TsuiUIStyle::WinXP);
        xp->setGeometry(0, 0, 73, 23);
        auto* mac = new TsuiButton(&window);
        mac->setUIStyle(TsuiUIStyle::MacOS);
        mac->setTransparent(false);
        mac->setCaption(QStringLiteral("OK"));
        mac->setGeometry(0, 30, 80, 27);
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        mac->setFocus();
        const QImage xpPlain = grabbed(*xp);
        xp->setFocus();
        const QImage xpFocused = grabbed(*xp);
        QCOMPARE(rgb(xpFocused, 2, 2), QRgb(0));      // dotted rectangle 2 pixels in
        QCOMPARE(rgb(xpFocused, 2, 20), QRgb(0));
        QVERIFY(rgb(xpPlain, 2, 2) != 0);
        QCOMPARE(rgb(xpFocused, 1, 1), rgb(xpPlain, 1, 1));
        QCOMPARE(rgb(xpFocused, 3, 2), rgb(xpPlain, 3, 2));  // dotted: every other pixel
        const QImage macPlain = grabbed(*mac);
        mac->setFocus();
        const QImage macFocused = grabbed(*mac);
        QCOMPARE(rgb(macFocused, 2, 2), rgb(macPlain, 2, 2));  // no rectangle...
        QVERIFY(macFocused != macPlain);                      // ...but a bolder caption
    }

    void disabledButtonShowsNormalFrameAndEmbossedCaption() {
        QWidget window;
        window.setFont(windowFont());
        TsuiButton button(&window);
        makeLookupButton(button);
        const QImage enabled = grabbed(button);
        button.setEnabled(false);
        const QImage disabled = grabbed(button);
        QCOMPARE(rgb(disabled, 0, 0), rgb(enabled, 0, 0));
        QCOMPARE(rgb(disabled, 5, 11), rgb(enabled, 5, 11));
        // Grey strokes over white ones, nothing as dark as the enabled caption.
        const QRect caption(12, 5, 50, 14);
        QVERIFY(darkestGrey(enabled, caption) < 0x40);
        QVERIFY(darkestGrey(disabled, caption) >= 0x78);
        QVERIFY(darkestGrey(disabled, caption) < 0xA0);
        button.setCaption(QStringLiteral(" "));
        const QImage blank = grabbed(button);
        bool brighterThanFace = false;
        for (int y = caption.top(); y <= caption.bottom(); ++y)
            for (int x = caption.left(); x <= caption.right(); ++x)
                brighterThanFace |= qGray(disabled.pixel(x, y)) > qGray(blank.pixel(x, y)) + 4;
        QVERIFY(brighterThanFace);
    }

    void checkBoxesSizeThemselvesToPictureAndCaption() {
        QWidget window;
        window.setFont(windowFont());
        TsuiCheckBox n44(&window);
        n44.setUIStyle(TsuiUIStyle::MacOS);
        n44.setCaption(QString::fromUtf8("显示水线"));
        QCOMPARE(n44.size(), QSize(71, 21));
        n44.setCaption(QString::fromUtf8("显示临时文本框"));
        QCOMPARE(n44.size(), QSize(107, 21));
        TsuiRadioButton n38(&window);
        n38.setUIStyle(TsuiUIStyle::MacOS);
        n38.setCaption(QString::fromUtf8("1.5倍行距"));
        QCOMPARE(n38.size(), QSize(78, 21));
        n38.setAutoSize(false);
        n38.resize(40, 30);
        n38.setCaption(QString::fromUtf8("双倍行距"));
        QCOMPARE(n38.size(), QSize(40, 30));
    }

    void checkedMacRadioButtonShowsItsPictureOverItsColour() {
        QWidget window;
        window.setFont(windowFont());
        TsuiRadioButton n33(&window);
        n33.setUIStyle(TsuiUIStyle::MacOS);
        n33.setCaption(QString::fromUtf8("单倍行距"));
        n33.setColor(0xE1E1E1);
        n33.setChecked(true);
        const QImage face = grabbed(n33);
        const QImage picture = copyFrame(themeBitmap("MACOS_RADIOBUTTON"), 4, 1);
        const QPoint at(1, (21 - 17) / 2);
        for (int y = 0; y < 17; ++y)
            for (int x = 0; x < 16; ++x) {
                const QRgb source = rgb(picture, x, y);
                const QRgb expected = source == 0xFF00FF ? (kWindowColor.rgb() & 0xFFFFFF) : source;
                QCOMPARE(rgb(face, at.x() + x, at.y() + y), expected);
            }
        QCOMPARE(rgb(face, 0, 0), QRgb(0xE1E1E1));
        QVERIFY(darkestGrey(face, QRect(20, 4, 48, 12)) < 0x50);
        n33.setChecked(false);
        QCOMPARE(rgb(grabbed(n33), at.x() + 8, at.y() + 8), rgb(copyFrame(themeBitmap("MACOS_RADIOBUTTON"), 4, 2), 8, 8));
    }

    void fromThemeFileDrawsTheDeepBlueBox() {
        TsuiCheckBox box;
        box.setUIStyle(TsuiUIStyle::FromThemeFile);
        box.setCaption(QStringLiteral("x"));
        box.setChecked(true);
        const QImage face = grabbed(box);
        const QImage picture = copyFrame(themeBitmap("DEEPBLUE_CHECKBOX"), 4, 1);
        const int top = (box.height() - 13) / 2;
        for (int y = 0; y < 13; ++y)
            for (int x = 0; x < 13; ++x) QCOMPARE(rgb(face, 1 + x, top + y), rgb(picture, x, y));
    }

    void disabledComboDrawsAGreyArrowWithWhiteShadow() {
        TsuiComboBox box;
        box.setUIStyle(TsuiUIStyle::DeepBlue);
        box.resize(217, 20);
        const QRect button = box.buttonRect();
        const int x = button.left() + button.width() / 2 - 3, y = button.height() / 2;
        QImage face = grabbed(box);
        QCOMPARE(rgb(face, x, y), QRgb(0));
        QCOMPARE(rgb(face, x + 3, y + 3), QRgb(0));
        QCOMPARE(rgb(face, 0, 0), QRgb(0));                        // DeepBlue border is black
        QCOMPARE(rgb(face, button.left() + 4, button.top() + 1), QRgb(0xE8E8E8));  // ButtonColor
        box.setEnabled(false);
        face = grabbed(box);
        QCOMPARE(rgb(face, x, y), QRgb(0x808080));
        QCOMPARE(rgb(face, x + 3, y + 3), QRgb(0x808080));
        QCOMPARE(rgb(face, x + 4, y + 4), QRgb(0xFFFFFF));
        QCOMPARE(rgb(face, x + 7, y + 1), QRgb(0xFFFFFF));
    }
};

QTEST_MAIN(ThemeLookTest)
#include "theme_look_test.moc"
