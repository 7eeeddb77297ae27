// The skin's source files under resources/skin/, as the skin generator writes them: the formats
// the package reader expects, a skin.ini whose lists and sections agree, and pictures that compose
// without seams and blend without jumps.

#include <QFile>
#include <QImage>
#include <QMap>
#include <QtTest>

namespace {

struct Section {
    QString name;
    QMap<QString, QString> keys;  // lower-case names
    QStringList duplicateKeys;
};

QString skinDir() { return qEnvironmentVariable("VEYRIN_SOURCE_DIR") + "/resources/skin"; }

QByteArray readAll(const QString& name) {
    QFile file(skinDir() + "/" + name);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return file.readAll();
}

QList<Section> parseIni(const QByteArray& text) {
    QList<Section> sections;
    for (const QByteArray& raw : text.split('\n')) {
        const QString line = QString::fromLatin1(raw).trimmed();
        if (line.startsWith('[')) {
            sections.append({line.mid(1, line.size() - 2).toLower(), {}, {}});
        } else if (line.contains('=') && !sections.isEmpty()) {
            const QString key = line.section('=', 0, 0).toLower();
            if (sections.last().keys.contains(key)) sections.last().duplicateKeys.append(key);
            sections.last().keys.insert(key, line.section('=', 1));
        }
    }
    return sections;
}

QRect rectValue(const QString& value) {
    const QStringList f = value.split(',');
    if (f.size() != 4) return {};
    return QRect(QPoint(f[0].toInt(), f[1].toInt()), QPoint(f[2].toInt() - 1, f[3].toInt() - 1));
}

QPoint pointValue(const QString& value) {
    const QStringList f = value.split(',');
    return f.size() == 2 ? QPoint(f[0].toInt(), f[1].toInt()) : QPoint();
}

// Rows of `area` that do not keep one colour along their length (or columns, going down).
int unevenLines(const QImage& image, const QRect& area, Qt::Orientation along) {
    int uneven = 0;
    const bool rows = along == Qt::Horizontal;
    const int lines = rows ? area.height() : area.width();
    for (int i = 0; i < lines; ++i) {
        const QPoint first = rows ? QPoint(area.left(), area.top() + i) : QPoint(area.left() + i, area.top());
        const int length = rows ? area.width() : area.height();
        for (int j = 1; j < length; ++j) {
            const QPoint at = rows ? first + QPoint(j, 0) : first + QPoint(0, j);
            if (image.pixel(at) != image.pixel(first)) {
                ++uneven;
                break;
            }
        }
    }
    return uneven;
}

}  // namespace

class StoredSkinFilesTest : public QObject {
    Q_OBJECT
    QList<Section> sections_;
    QByteArray iniBytes_;

    const Section* section(const QString& name) const {
        for (const Section& s : sections_) {
            if (s.name == name.toLower()) return &s;
        }
        return nullptr;
    }
    QString value(const QString& sectionName, const QString& key) const {
        const Section* s = section(sectionName);
        return s ? s->keys.value(key) : QString();
    }
    QStringList listEntries(const QString& sectionName, const QString& countKey) const {
        QStringList entries;
        const int count = value(sectionName, countKey).toInt();
        for (int i = 0; i < count; ++i) entries.append(value(sectionName, QString::number(i)));
        return entries;
    }
    QImage picture(const QString& name) const {
        return QImage(skinDir() + "/" + name).convertToFormat(QImage::Format_RGB32);
    }
    QImage activePicture(int index) const { return picture(value("PICTURES", QString::number(index))); }

    // The parts a composed picture repeats must not change along the repeat, or seams show.
    void verifyRepeatsUniform(const QImage& image, const QString& sectionName, const QString& innerKey) {
        const QPoint lt = pointValue(value(sectionName, "lefttoppoint"));
        const QPoint rt = pointValue(value(sectionName, "righttoppoint"));
        const QPoint lb = pointValue(value(sectionName, "leftbottompoint"));
        const QPoint rb = pointValue(value(sectionName, "rightbottompoint"));
        const QRect inner = rectValue(value(sectionName, innerKey));
        QVERIFY(!inner.isEmpty());
        const int w = image.width(), h = image.height();
        const QList<QPair<QRect, Qt::Orientation>> repeats{
            {QRect(QPoint(lt.x(), 0), QPoint(rt.x() - 1, inner.top() - 1)), Qt::Horizontal},
            {QRect(QPoint(lb.x(), inner.bottom() + 1), QPoint(rb.x() - 1, h - 1)), Qt::Horizontal},
            {QRect(QPoint(0, lt.y()), QPoint(inner.left() - 1, lb.y() - 1)), Qt::Vertical},
            {QRect(QPoint(inner.right() + 1, rt.y()), QPoint(w - 1, rb.y() - 1)), Qt::Vertical}};
        for (const auto& [area, along] : repeats) {
            QVERIFY2(unevenLines(image, area, along) == 0,
                     qPrintable(QString("%1: part %2,%3 %4x%5 changes along its repeat").arg(sectionName)
                                    .arg(area.x()).arg(area.y()).arg(area.width()).arg(area.height())));
        }
    }

private slots:
    void initTestCase() {
        iniBytes_ = readAll("skin.ini");
        QVERIFY2(!iniBytes_.isEmpty(), qPrintable("no skin.ini in " + skinDir() + " (VEYRIN_SOURCE_DIR unset?)"));
        sections_ = parseIni(iniBytes_);
    }

    // Each bitmap also comes drawn for denser screens, NAME@2x.bmp and NAME@3x.bmp beside it, in
    // the same form at exactly that many times the size, so skin.ini's rectangles cut them alike.
    void bitmapsHaveTheFormatsThePackageStores_data() {
        QTest::addColumn<QString>("key");
        QTest::addColumn<int>("scale");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<int>("bits");
        QTest::addColumn<int>("fileSize");  // 0: any
        QList<std::tuple<QString, QSize, int, int>> bitmaps{{"picture", {188, 128}, 24, 72246}, {"mask", {188, 128}, 1, 3134}};
        const QList<QPair<QSize, int>> active{{{118, 141}, 24}, {{88, 80}, 8}, {{70, 116}, 8},
                                              {{42, 22}, 8},    {{516, 318}, 8}, {{53, 31}, 1}};
        for (int i = 0; i < active.size(); ++i) bitmaps.append({QString::number(i), active[i].first, active[i].second, 0});
        for (const auto& [key, size, bits, fileSize] : bitmaps) {
            for (int scale : {1, 2, 3}) {
                QTest::newRow(qPrintable(QString("%1 @%2x").arg(key).arg(scale)))
                    << key << scale << size * scale << bits << (scale == 1 ? fileSize : 0);
            }
        }
    }
    void bitmapsHaveTheFormatsThePackageStores() {
        QFETCH(QString, key);
        QFETCH(int, scale);
        QFETCH(QSize, size);
        QFETCH(int, bits);
        QFETCH(int, fileSize);
        QString name = value("PICTURES", key);
        if (scale > 1) name.insert(name.lastIndexOf('.'), QString("@%1x").arg(scale));
        const QByteArray bytes = readAll(name);
        QVERIFY(bytes.size() > 54 && bytes.startsWith("BM"));
        const auto u16 = [&](int at) { return int(quint8(bytes[at])) | int(quint8(bytes[at + 1])) << 8; };
        QCOMPARE(u16(2) | u16(4) << 16, int(bytes.size()));  // the reader takes exactly this many bytes
        if (fileSize) QCOMPARE(int(bytes.size()), fileSize);
        QCOMPARE(u16(28), bits);
        QCOMPARE(QSize(u16(18), u16(22)), size);
    }

    void skinIniIsCrLfAsciiWithDistinctNames() {
        QVERIFY(!iniBytes_.contains('\0'));
        QCOMPARE(iniBytes_.count('\n'), iniBytes_.count("\r\n"));
        QCOMPARE(iniBytes_.count('\r'), iniBytes_.count("\r\n"));
        for (char c : iniBytes_) QVERIFY(quint8(c) < 0x80);
        QCOMPARE(sections_.size(), 79);
        QSet<QString> names;
        for (const Section& s : sections_) {
            QVERIFY2(!names.contains(s.name), qPrintable("section twice: " + s.name));
            QVERIFY2(s.duplicateKeys.isEmpty(), qPrintable(s.name + ": " + s.duplicateKeys.join(',')));
            names.insert(s.name);
        }
    }

    void everyListedEntryHasItsSection() {
        const QStringList objects = listEntries("SKINOBJECTS", "count");
        const QStringList controls = listEntries("SKINCONTROLS", "count");
        QCOMPARE(objects.size(), 13);
        QCOMPARE(controls.size(), 59);
        for (const QString& entry : objects + controls) {
            QVERIFY2(entry.contains(':') && section(entry.section(':', 0, 0)), qPrintable(entry));
        }
        QVERIFY(controls.contains("button:button"));
        QVERIFY(controls.contains("stdlabel:stdlabel"));
    }

    void maskKeepsTheFixedAreaInsideAndRoundsTheCorners() {
        const QImage mask = picture(value("PICTURES", "mask"));
        const QRect fixed = rectValue(value("FORMINFO", "maskrectarea"));
        QVERIFY(!fixed.isEmpty());
        for (int y = fixed.top(); y <= fixed.bottom(); ++y) {
            for (int x = fixed.left(); x <= fixed.right(); ++x) QCOMPARE(mask.pixel(x, y) & 0xFFFFFFu, 0u);
        }
        for (QPoint corner : {QPoint(0, 0), QPoint(mask.width() - 1, 0), QPoint(0, mask.height() - 1),
                              QPoint(mask.width() - 1, mask.height() - 1)}) {
            QCOMPARE(mask.pixel(corner) & 0xFFFFFFu, 0xFFFFFFu);
        }
        verifyRepeatsUniform(mask, "FORMINFO", "clientrect");
    }

    void composedPicturesRepeatWithoutSeams() {
        verifyRepeatsUniform(picture(value("PICTURES", "picture")), "FORMINFO", "clientrect");
        const QImage popup = activePicture(value("POPUPWINDOW", "windowpictureindex").toInt());
        verifyRepeatsUniform(popup, "POPUPWINDOW", "itemsrect");
        QCOMPARE(unevenLines(popup, rectValue(value("POPUPWINDOW", "itemsrect")), Qt::Horizontal), 0);
        const QImage hint = activePicture(value("HINTWINDOW", "windowpictureindex").toInt());
        verifyRepeatsUniform(hint, "HINTWINDOW", "clientrect");
        QCOMPARE(unevenLines(hint, rectValue(value("HINTWINDOW", "clientrect")), Qt::Horizontal), 0);

        const QImage items = activePicture(value("menuitem", "activepictureindex").toInt());
        const auto middle = [&](const QString& rectKey, const QString& leftKey, const QString& rightKey) {
            const QRect r = rectValue(value("menuitem", rectKey));
            return r.adjusted(value("menuitem", leftKey).toInt(), 0, -value("menuitem", rightKey).toInt(), 0);
        };
        for (const char* look : {"skinrect", "activeskinrect"}) {
            QCOMPARE(unevenLines(items, middle(look, "itemleftoffset", "itemrightoffset"), Qt::Horizontal), 0);
        }
        QCOMPARE(unevenLines(items, middle("dividerrect", "dividerleftoffset", "dividerrightoffset"), Qt::Horizontal), 0);
    }

    // The frame blends between a button's two looks and shows the disabled look at every button's
    // place: all must stand on the same caption bar pixels.
    void buttonLooksLineUpWithTheCaptionBar() {
        const QImage frame = picture(value("PICTURES", "picture"));
        int buttons = 0;
        for (const QString& entry : listEntries("SKINOBJECTS", "count")) {
            if (entry.section(':', 1) != "stdbutton") continue;
            const QString name = entry.section(':', 0, 0);
            const QImage active = activePicture(value(name, "activepictureindex").toInt());
            const QRect normalAt = rectValue(value(name, "skinrect"));
            const QImage normal = frame.copy(normalAt);
            const QImage hot = active.copy(rectValue(value(name, "activeskinrect")));
            const QImage disabled = active.copy(rectValue(value(name, "disableskinrsect")));
            QVERIFY(normalAt.right() < frame.width() && normalAt.bottom() < frame.height());
            QCOMPARE(hot.size(), normal.size());
            QCOMPARE(disabled.size(), normal.size());
            for (QPoint c : {QPoint(0, 0), QPoint(normal.width() - 1, 0), QPoint(0, normal.height() - 1),
                             QPoint(normal.width() - 1, normal.height() - 1)}) {
                QCOMPARE(hot.pixel(c), normal.pixel(c));
                QCOMPARE(disabled.pixel(c), normal.pixel(c));
            }
            QVERIFY2(hot != normal && disabled != normal, qPrintable(name));
            ++buttons;
        }
        QCOMPARE(buttons, 6);
    }

    // The title is drawn black with a white shadow straight onto the caption bar.
    void captionBarIsLightBehindTheTitle() {
        const QImage frame = picture(value("PICTURES", "picture"));
        const QRect caption = rectValue(value("caption", "skinrect"));
        for (int y = caption.top(); y <= caption.bottom(); ++y) {
            const QColor c = frame.pixelColor(caption.center().x(), y);
            QVERIFY2(c.lightness() >= 200, qPrintable(QString("row %1 lightness %2").arg(y).arg(c.lightness())));
        }
    }
};

QTEST_MAIN(StoredSkinFilesTest)
#include "stored_skin_files_test.moc"
