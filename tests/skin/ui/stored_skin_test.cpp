#include <QtTest>

#include "skin/model/skin_data.h"
#include "skin/ui/stored_skin.h"

using namespace veyrin;

class StoredSkinTest : public QObject {
    Q_OBJECT
private slots:
    // Every window loads this store while it is created; it must give the frame its picture and
    // mask of one size and the active pictures its objects point into.
    void compiledInSkinLoadsAsTheWindowsLoadIt() {
        const TbsCompressedStoredSkin store = makeStoredSkin();
#ifdef VEYRIN_HAS_STORED_SKIN
        QCOMPARE(store.compressedData().size(), static_cast<std::size_t>(storedSkinData().size()));
        TbsSkinData skin;
        std::vector<int> notices;
        skin.setNoticeSink([&](SkinNotice n, const TbsSkinData&) { notices.push_back(n); });
        skin.setCompressedStoredSkin(&store);
        QVERIFY(!skin.empty());
        QCOMPARE(notices, (std::vector<int>{1225, 1226, 1227}));
        QVERIFY(!skin.picture().isEmpty());
        QCOMPARE(skin.mask().width, skin.picture().width);
        QCOMPARE(skin.mask().height, skin.picture().height);
        QVERIFY(skin.findObject("closebutton") >= 0);
        for (const auto& object : skin.objects())
            QVERIFY(object->activePictureIndex < static_cast<int>(skin.activePictures().size()));
#else
        QVERIFY(store.isEmpty());
        QVERIFY(storedSkinData().isEmpty());
#endif
    }
};

QTEST_MAIN(StoredSkinTest)
#include "stored_skin_test.moc"
