#include <QEnterEvent>
#include <QHelpEvent>
#include <QLineEdit>
#include <QToolButton>
#include <QToolTip>
#include <QtTest>

#include <memory>

#include "platform/ui/qt_color.h"
#include "skin/ui/delayed_hint.h"
#include "skin/ui/skin_hint.h"
#include "skin/ui/skin_hint_window.h"
#include "skin/ui/skin_tool_tips.h"
#include "support/veyrin_test_main.h"

using namespace veyrin;

namespace {

void enter(QWidget* widget) {
    QEnterEvent event(QPointF(2, 2), widget->mapTo(widget->window(), QPointF(2, 2)), widget->mapToGlobal(QPointF(2, 2)));
    QCoreApplication::sendEvent(widget, &event);
}

void leave(QWidget* widget) {
    QEvent event(QEvent::Leave);
    QCoreApplication::sendEvent(widget, &event);
}

bool isOneLine(const TbsSkinHintWindow& hint) { return hint.height() < 2 * QFontMetrics(hint.hintFont()).lineSpacing(); }

}  // namespace

class SkinHintTest : public QObject {
    Q_OBJECT

    std::unique_ptr<QWidget> window_;
    QToolButton* button_ = nullptr;
    QLineEdit* edit_ = nullptr;

private slots:
    void init() {
        window_ = std::make_unique<QWidget>();
        window_->setGeometry(300, 300, 300, 200);
        QCursor::setPos(QPoint(5, 5));  // away from the window until a test moves in
        new TbsSkinHint(window_.get());
        button_ = new QToolButton(window_.get());
        button_->setGeometry(10, 10, 40, 30);
        button_->setToolTip(QString::fromUtf8("剪切"));
        edit_ = new QLineEdit(window_.get());
        edit_->setGeometry(10, 60, 121, 18);
        edit_->setToolTip(QString::fromUtf8("查找词谱"));
        window_->show();
        QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
    }

    void cleanup() { window_.reset(); }

    void toolTipsShowInTheHintWindowAfterThePauseAndGoOnLeaveOrPress() {
        SkinToolTips* tips = SkinToolTips::instance();
        QVERIFY(tips);
        TbsSkinHintWindow& hint = tips->hintWindow();
        QCursor::setPos(button_->mapToGlobal(QPoint(5, 5)));
        enter(button_);
        QVERIFY(!hint.isVisible());
        QTRY_VERIFY_WITH_TIMEOUT(hint.isVisible(), 2000);
        QCOMPARE(hint.text(), QString::fromUtf8("剪切"));
        QVERIFY(isOneLine(hint));
        QVERIFY(hint.y() > QCursor::pos().y());  // below the cursor's image
        leave(button_);
        QVERIFY(!hint.isVisible());

        QCursor::setPos(edit_->mapToGlobal(QPoint(5, 5)));
        enter(edit_);
        QTRY_VERIFY_WITH_TIMEOUT(hint.isVisible(), 2000);
        QCOMPARE(hint.text(), QString::fromUtf8("查找词谱"));
        QTest::mousePress(edit_, Qt::LeftButton);
        QVERIFY(!hint.isVisible());
    }

    void qtsOwnToolTipRequestIsAnsweredByTheHintWindow() {
        TbsSkinHintWindow& hint = SkinToolTips::instance()->hintWindow();
        QPoint global = edit_->mapToGlobal(QPoint(3, 3));
        QHelpEvent request(QEvent::ToolTip, QPoint(3, 3), global);
        QCoreApplication::sendEvent(edit_, &request);
        QVERIFY(hint.isVisible());
        QCOMPARE(hint.text(), QString::fromUtf8("查找词谱"));
        QVERIFY(!QToolTip::isVisible());
        leave(edit_);
        QVERIFY(!hint.isVisible());
    }

    void withoutASkinTheHintIsAPlainToolTipBox() {
        TbsSkinHintWindow hint;
        const QString text = QStringLiteral("Top Line: 1");
        hint.activateHint(QPoint(20, 20), text);
        QVERIFY(!hint.isSkinned());
        QSize textSize = QFontMetrics(hint.hintFont()).size(Qt::TextExpandTabs, text);
        QCOMPARE(hint.size(), textSize + QSize(4, 4));
        QCOMPARE(hint.hintFont().pixelSize(), 11);
        QImage picture = hint.grab().toImage();
        QCOMPARE(picture.pixelColor(0, 0), toQColor(clBtnShadow));
        QCOMPARE(picture.pixelColor(hint.width() - 1, hint.height() - 1), toQColor(clBtnShadow));
        QCOMPARE(picture.pixelColor(1, 1), toQColor(clInfoBk));
        hint.setColor(15724527);
        QCOMPARE(hint.grab().toImage().pixelColor(1, 1), QColor(0xEF, 0xEF, 0xEF));
    }

    void objectHintsWaitForTheHintPauseAndHideAtOnce() {
        TbsSkinHint* component = TbsSkinHint::applicationHint();
        QVERIFY(component);
        TbsSkinHintWindow& hint = component->hintWindow();
        QCursor::setPos(QPoint(100, 100));
        component->showTextHint(QStringLiteral("Minimize"));
        component->showTextHint(QString::fromUtf8("向上卷拢"));
        QCOMPARE(component->pendingText(), QString::fromUtf8("向上卷拢"));
        QVERIFY(!hint.isVisible());
        QTRY_VERIFY_WITH_TIMEOUT(hint.isVisible(), 3000);
        QCOMPARE(hint.text(), QString::fromUtf8("向上卷拢"));
        QCOMPARE(hint.pos(), QPoint(100, 100) + QPoint(0, cursorDropBelowHotSpot(QCursor(Qt::ArrowCursor))));
        component->hideHint();
        QVERIFY(!hint.isVisible());

        component->showTextHint(QString());
        QVERIFY(component->pendingText().isEmpty());
        QTest::qWait(kHintPause + 100);
        QVERIFY(!hint.isVisible());
    }

    void theLookFollowsTheLastActiveComponentStillAlive() {
        TbsSkinHint* first = TbsSkinHint::applicationHint();
        auto* second = new TbsSkinHint(window_.get());
        QCOMPARE(TbsSkinHint::applicationHint(), second);
        QVERIFY(!first->active());  // one active hint component per window
        {
            QWidget other;
            TbsSkinHint third(&other);
            QCOMPARE(TbsSkinHint::applicationHint(), &third);
            QVERIFY(second->active());
        }
        QCOMPARE(TbsSkinHint::applicationHint(), second);
        delete second;
        QCOMPARE(TbsSkinHint::applicationHint(), nullptr);
        first->setActive(true);
        QCOMPARE(TbsSkinHint::applicationHint(), first);
    }
};

VEYRIN_TEST_MAIN(SkinHintTest)
#include "skin_hint_test.moc"
