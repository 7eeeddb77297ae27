#pragma once
// Two ways of looking at the reading window's text, after the editing buttons of its tool bar:
// 竖排 (F6) sets the text in vertical columns on vertical letter paper in place of the rows, read-
// only, and F6 again brings the rows back as they were; 繁/简 (F7) shows the text in traditional
// characters and back, in rows and in columns; 拼音 (F9), whose button stands after 导出, writes
// each Chinese character's syllable over it in rows and beside it in columns. None changes the
// text: copying, the notes and everything the view holds stay as they were.

#include <QObject>

#include <memory>

class QAction;

namespace veyrin {

class TForm3;
class TSynPinyinAnnotations;
class TSynTraditionalDisplay;
class TSynVerticalPage;

class ReadingViewModes : public QObject {
    Q_OBJECT
public:
    explicit ReadingViewModes(TForm3& window);
    ~ReadingViewModes() override;

    QAction* ViewVertical1 = nullptr;
    QAction* ViewTraditional1 = nullptr;
    QAction* ViewPinyin1 = nullptr;

    bool vertical() const;
    void setVertical(bool on);
    bool traditional() const;
    void setTraditional(bool on);
    bool pinyin() const;
    void setPinyin(bool on);

    // The vertical page, in the text view's place while the columns are shown.
    TSynVerticalPage* verticalPage() const { return page_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildActions();
    void offerTraditionalOrSayWhyNot();

    TForm3& window_;
    TSynVerticalPage* page_ = nullptr;
    std::unique_ptr<TSynTraditionalDisplay> traditional_;
    std::unique_ptr<TSynPinyinAnnotations> pinyin_;
    bool viewWasReadOnly_ = false;
};

// Adds a separator, 竖排 and 繁/简 to the reading window's tool bar and their keys to the window,
// with F9 for 拼音, whose button the window puts on its bar after the output buttons.
ReadingViewModes* addReadingViewModes(TForm3& window);

}  // namespace veyrin
