// Hints in the stored skin: the hint picture composed around the text, Arial in a 14-pixel cell in the skin's
// colour, centred in the picture's client rectangle scaled to the hint.

#include <QtTest>

#include <memory>

#include "platform/ui/qt_color.h"
#include "skin/model/skin_data.h"
#include "skin/ui/skin_hint.h"
#include "skin/ui/skin_hint_window.h"
#include "skin/ui/skin_image.h"
#include "skin/ui/skin_window_components.h"
#include "skin/ui/stored_skin.h"
#include "support/veyrin_test_main.h"

using namespace veyrin;

class SkinnedHintTest : public QObject {
    Q_OBJECT

    TbsCompressedStoredSkin store_;
    TbsSkinData skin_;
    std::unique_ptr<QWidget> window_;
    std::unique_ptr<SkinWindowComponents> components_;

    QImage hintPicture() const { return toQImage(*skin_.activePicture(skin_.hintWindow().windowPictureIndex)); }

private slots:
    void initTestCase() {
        store_ = makeStoredSkin();
        QVERIFY(!store_.isEmpty());
        skin_.setCompressedStoredSkin(&store_);
        QVERIFY(!skin_.empty());
        window_ = std::make_unique<QWidget>();
        components_ = std::make_unique<SkinWindowComponents>(*window_, &skin_);
        QCOMPARE(TbsSkinHint::applicationHint(), components_->hint);
    }

    void aOneWordHintIsTheWholePictureWithTheSkinsFont() {
        TbsSkinHintWindow hint;
        hint.activateHint(QPoint(50, 50), QString::fromUtf8("剪切"));
        QVERIFY(hint.isSkinned());
        QImage picture = hintPicture();
        QCOMPARE(picture.size(), QSize(42, 22));
        QVERIFY(hint.width() >= 42 && hint.height() >= 22);
        QCOMPARE(hint.hintFont().family(), QStringLiteral("Arial"));
        // Height 14 is the cell, leading included, so the characters are smaller.
        QVERIFY(QFontMetrics(hint.hintFont()).height() <= 14);
        QVERIFY(hint.hintFont().pixelSize() < 14);
        QCOMPARE(components_->hint->defaultFont().charset, kGb2312Charset);

        QImage shown = hint.grab().toImage().convertToFormat(QImage::Format_RGB32);
        // Fixed corners come straight from the picture.
        QCOMPARE(shown.pixel(0, 0), picture.pixel(0, 0));
        QCOMPARE(shown.pixel(hint.width() - 1, hint.height() - 1), picture.pixel(41, 21));
        // The text is drawn in the skin's colour inside the client rectangle (its smoothed edges
        // leave the strokes' cores within a few steps of that colour).
        QColor textColour = toQColor(skin_.hintWindow().fontColor);
        auto nearText = [&](QColor c) {
            return std::abs(c.red() - textColour.red()) + std::abs(c.green() - textColour.green()) +
                       std::abs(c.blue() - textColour.blue()) < 96;
        };
        QRect client = hint.scaledClientRect();
        bool textDrawn = false;
        for (int y = client.top(); y <= client.bottom() && !textDrawn; ++y)
            for (int x = client.left(); x <= client.right() && !textDrawn; ++x)
                textDrawn = nearText(shown.pixelColor(x, y)) && !nearText(picture.pixelColor(x, y));
        QVERIFY(textDrawn);
    }

    void aLongHintGrowsByThePicturesInsetsAndStaysOnOneLine() {
        TbsSkinHintWindow hint;
        const QString text = QStringLiteral("Compressed skin (*.skn) and a long hint");
        hint.activateHint(QPoint(10, 10), text);
        QSize textSize = QFontMetrics(hint.hintFont()).size(Qt::TextExpandTabs, text);
        const FrameRect& client = skin_.hintWindow().clientRect;
        QCOMPARE(hint.width(), textSize.width() + client.left + 42 - client.right);
        QCOMPARE(hint.height(), std::max(22, textSize.height() + client.top + 22 - client.bottom));
        QCOMPARE(hint.scaledClientRect().right() + 1, hint.width() - (42 - client.right));
        QVERIFY(hint.scaledClientRect().width() >= textSize.width());
    }

    void withoutTheSkinsFontTheComponentsDefaultFontIsUsed() {
        components_->hint->setUseSkinFont(false);
        TbsSkinHintWindow hint;
        hint.activateHint(QPoint(10, 10), QStringLiteral("Close"));
        components_->hint->setUseSkinFont(true);
        QVERIFY(hint.isSkinned());
        QCOMPARE(hint.hintFont().family(), QStringLiteral("MS Sans Serif"));
        QCOMPARE(hint.hintFont().pixelSize(), 11);
    }
};

VEYRIN_TEST_MAIN(SkinnedHintTest)
#include "skinned_hint_test.moc"
