#include <QKeyEvent>
#include <QSet>
#include <QtTest>

#include <array>
#include <string>

#include "textview/model/key_strokes.h"
#include "textview/ui/flat_scroll_bar.h"
#include "textview/ui/key_translation.h"
#include "textview/ui/reader_design_values.h"
#include "textview/ui/syn_editor.h"

using namespace veyrin;

namespace {

// The US keyboard's symbol row, unshifted over shifted, position for position.
const QString kUsPlain = "1234567890`-=[]\\;',./";
const QString kUsShifted = "!@#$%^&*()~_+{}|:\"<>?";

int keyOf(QChar symbol, Qt::KeyboardModifiers modifiers) {
    const QKeyEvent event(QEvent::KeyPress, symbol.unicode(), modifiers, QString(symbol));
    return virtualKeyFor(event);
}

// Keysyms with no character: navigation and keypad keys.
constexpr quint32 kHomeSym = 0xff50, kKeypadEndSym = 0xff9c, kKeypadOneSym = 0xffb1;
constexpr quint32 kCyrillicEs = 0x6d3, kCyrillicCapitalEs = 0x6f3;

}  // namespace

class KeyTranslationTest : public QObject {
    Q_OBJECT

private slots:
    // Platforms that report no keycode give the shifted symbol alone.
    void shiftedSymbolsNameTheirUnshiftedKey() {
        const TSynEditKeyStrokes table;
        QSet<int> keys;
        for (qsizetype i = 0; i < kUsPlain.size(); ++i) {
            const QByteArray what = QString("%1/%2").arg(kUsPlain[i], kUsShifted[i]).toUtf8();
            const int plain = keyOf(kUsPlain[i], Qt::ControlModifier);
            QVERIFY2(plain != 0, what);
            keys.insert(plain);
            QVERIFY2(keyOf(kUsShifted[i], Qt::ShiftModifier | Qt::ControlModifier) == plain, what);
            QVERIFY2(keyOf(kUsShifted[i], Qt::ShiftModifier | Qt::AltModifier) == plain, what);
        }
        QCOMPARE(keys.size(), kUsPlain.size());
        for (int digit = 0; digit <= 9; ++digit) {
            const QChar shifted = kUsShifted[(digit + 9) % 10];  // the row runs 1..9, 0
            const int key = keyOf(shifted, Qt::ShiftModifier | Qt::ControlModifier);
            QCOMPARE(table.findCommand(key, ssShift | ssCtrl), ecSetMarker0 + digit);
        }
        // Unshifted, a symbol is its own key on some layout: never taken for a digit.
        QCOMPARE(keyOf('!', Qt::ControlModifier), 0);
        QCOMPARE(keyOf('z', Qt::ShiftModifier | Qt::ControlModifier), keyOf('Z', Qt::ControlModifier));
    }

    void markerChordsSetAndJumpFromTheWidget() {
        TSynEditor view;
        applyReaderDesignValues(view);
        view.resize(300 + TSynFlatScrollBar::kThickness, 10 * 26);
        std::string text;
        for (int line = 1; line <= 12; ++line) text += (line > 1 ? "\r\nline " : "line ") + std::to_string(line);
        view.Lines().LoadFromBytes(text);
        view.show();
        view.setFocus();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        QTest::keyClick(&view, Qt::Key_Right);
        QTest::keyClick(&view, Qt::Key_Exclam, Qt::ShiftModifier | Qt::ControlModifier);
        QTest::keyClick(&view, Qt::Key_End, Qt::ControlModifier);
        QTest::keyClick(&view, Qt::Key_1, Qt::ControlModifier);
        QCOMPARE(view.caretXY(), (TBufferCoord{2, 1}));
        QCOMPARE(view.text(), text);  // the chords typed nothing
    }

    void keymapRowsNameTheirKey() {
        using Row = std::array<quint32, 4>;
        // US digit key, French digit key (shifted is the digit), French letter key.
        QCOMPARE(virtualKeyForKeysymRow(Row{'1', '!', 0, 0}, 0), int('1'));
        QCOMPARE(virtualKeyForKeysymRow(Row{'&', '1', 0, 0}, 0), int('1'));
        QCOMPARE(virtualKeyForKeysymRow(Row{'a', 'A', 0, 0}, 0), int('A'));
        QCOMPARE(virtualKeyForKeysymRow(Row{'/', '?', 0, 0}, 0), keyOf('/', Qt::NoModifier));
        // US plus Russian: the second group's letter names nothing, so the first group's does.
        const Row c{'c', 'C', kCyrillicEs, kCyrillicCapitalEs};
        QCOMPARE(virtualKeyForKeysymRow(c, 1), int('C'));
        QCOMPARE(virtualKeyForKeysymRow(Row{'1', '!', '1', '"'}, 1), int('1'));
        QCOMPARE(virtualKeyForKeysymRow(Row{'q', 'Q', ';', '4'}, 1), keyOf(';', Qt::NoModifier));
        // A group the row does not hold, or the core map cannot (a third one), reads the first.
        QCOMPARE(virtualKeyForKeysymRow(std::array<quint32, 2>{'x', 'X'}, 1), int('X'));
        QCOMPARE(virtualKeyForKeysymRow(c, 2), int('C'));
        // Keys without a character are left to Qt's own key, the keypad's included.
        QCOMPARE(virtualKeyForKeysymRow(std::array<quint32, 1>{kHomeSym}, 0), 0);
        QCOMPARE(virtualKeyForKeysymRow(Row{kKeypadEndSym, kKeypadOneSym, 0, 0}, 0), 0);
        QCOMPARE(virtualKeyForKeysymRow({}, 0), 0);
    }
};

QTEST_MAIN(KeyTranslationTest)
#include "key_translation_test.moc"
