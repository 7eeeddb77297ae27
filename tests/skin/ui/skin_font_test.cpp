// The skin's font heights: a negative height is the character height (Qt's pixel size), a
// positive one the whole cell, internal leading included; the caption, hints and menu items of
// the stored skin all read them that way.

#include <QtTest>

#include "platform/ui/font_faces.h"
#include "skin/ui/business_skin_form.h"
#include "skin/ui/frame_objects.h"
#include "skin/ui/menu_look.h"
#include "skin/ui/skin_font.h"
#include "skin/ui/skin_hint_window.h"
#include "support/skinned_host.h"
#include "support/veyrin_test_main.h"

using namespace veyrin;

namespace {

int cellHeight(const QFont& font) { return QFontMetrics(font).height(); }

// The largest pixel size whose cell is no taller than `height`.
void verifyCellFits(const QFont& font, int height) {
    QVERIFY2(cellHeight(font) <= height, qPrintable(QStringLiteral("cell %1 > %2").arg(cellHeight(font)).arg(height)));
    QFont larger = font;
    larger.setPixelSize(font.pixelSize() + 1);
    QVERIFY2(cellHeight(larger) > height, qPrintable(QStringLiteral("pixel size %1 is not the largest").arg(font.pixelSize())));
    // The characters are smaller than the cell they sit in.
    QVERIFY(font.pixelSize() < height);
}

}  // namespace

class SkinFontTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { installFontSubstitutions(); }

    void heightsFollowTheirSign() {
        SkinFontStyle bold;
        bold.bold = true;
        const QFont caption = skinFont("Arial", 18, bold);
        QVERIFY(caption.bold());
        verifyCellFits(caption, 18);
        verifyCellFits(skinFont("Arial", 14, {}), 14);

        const QFont character = skinFont("Arial", -15, bold);
        QCOMPARE(character.pixelSize(), 15);
        QVERIFY(cellHeight(character) > 15);
        // Face names are the skin's GBK bytes.
        QCOMPARE(skinFont("\xcb\xce\xcc\xe5", -12, {}).family(), QString::fromUtf8("宋体"));
        QCOMPARE(skinFont(FontDescription{"MS Sans Serif", -11, {}, clWindowText, kGb2312Charset}).pixelSize(), 11);
    }

    void theStoredSkinsCaptionHintAndMenuFontsAreCellHeights() {
        test::CountingHost host;
        host.useStoredSkin(test::kMainWindowIcons);
        const TbsSkinCaptionObject* caption = host.skinForm().captionObject();
        QVERIFY(caption);
        QVERIFY(caption->captionFont().bold());
        verifyCellFits(caption->captionFont(), 18);

        const TbsSkinData* skin = host.skinForm().skinData();
        TbsSkinHintWindow hint;
        hint.activateHint(QPoint(10, 10), QStringLiteral("Close"));
        QVERIFY(hint.isSkinned());
        verifyCellFits(hint.hintFont(), skin->hintWindow().fontHeight);

        const MenuLook look = makeMenuLook(skin, {});
        QVERIFY(look.skinned());
        verifyCellFits(look.font, 14);
    }
};

VEYRIN_TEST_MAIN(SkinFontTest)
#include "skin_font_test.moc"
