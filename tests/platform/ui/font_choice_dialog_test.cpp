#include <QComboBox>
#include <QFontDialog>
#include <QtTest>

#include "platform/ui/font_choice_dialog.h"
#include "platform/ui/font_faces.h"

using namespace veyrin;

class FontChoiceDialogTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { installFontSubstitutions(); }

    void opensWithTheGivenFontAndColour() {
        ChosenFont initial;
        initial.face = QStringLiteral("Liberation Sans");
        initial.points = 14;
        initial.underline = true;
        initial.color = clRed;
        FontChoiceDialog dialog(initial);
        ChosenFont chosen = dialog.chosenFont();
        QCOMPARE(chosen.points, 14);
        QVERIFY(chosen.underline);
        QVERIFY(!chosen.bold);
        QCOMPARE(chosen.color, clRed);
        QCOMPARE(dialog.colourList()->count(), 16);
    }

    void handsOverTheChosenStyleSizeAndColour() {
        ChosenFont initial;
        initial.face = QStringLiteral("Liberation Sans");
        FontChoiceDialog dialog(initial);
        QFont font = dialog.fontChooser()->currentFont();
        font.setPointSize(20);
        font.setStrikeOut(true);
        dialog.fontChooser()->setCurrentFont(font);
        dialog.colourList()->setCurrentIndex(12);  // blue
        ChosenFont chosen = dialog.chosenFont();
        QCOMPARE(chosen.points, 20);
        QVERIFY(chosen.strikeOut);
        QCOMPARE(chosen.color, clBlue);
    }
};

QTEST_MAIN(FontChoiceDialogTest)
#include "font_choice_dialog_test.moc"
