#pragma once
// The main window: web banner, nine picture buttons, the catalogue bar, the ruled text view, two
// note boxes, the line-spacing choices and the author lookup. Its creation restores the last run's
// state (FormCreate) and its close stores it (FormClose); the handlers are named after the control
// and the event they answer.

#include <QPointer>

#include <array>
#include <memory>
#include <optional>
#include <string>

#include "anthology/model/random_poem.h"
#include "app/model/favourites.h"
#include "app/model/stored_file_record.h"
#include "app/ui/app_paths.h"
#include "platform/ui/dialog_service.h"
#include "skin/ui/frame_host.h"
#include "windows/model/reading_snapshot.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;

namespace veyrin {

class TIniFile;
class TSynEditor;
class TsuiComboBox;
class TsuiCheckBox;
class TsuiRadioButton;
class TsuiButton;
class TFlatSpinEditInteger;
class TFlatSpeedButton;
class PlainMemo;
class WebBanner;
class TForm3;
class TSearchWindow;
class SearchIndexLoader;
struct TBufferCoord;

class TForm1 : public FrameHost {
    Q_OBJECT
public:
    static constexpr int kClientWidth = 538;
    static constexpr int kClientHeight = 661;
    static constexpr int kViewHeightWithBoxes = 265;
    static constexpr int kViewHeightWithoutBoxes = 409;

    explicit TForm1(const AppPaths& paths, QWidget* parent = nullptr);
    ~TForm1() override;

    // Controls, named as the form names them.
    QWidget* Panel1 = nullptr;
    QWidget* Panel2 = nullptr;
    QWidget* Panel3 = nullptr;
    QWidget* Panel4 = nullptr;
    QWidget* Panel5 = nullptr;
    TFlatSpeedButton* FlatSpeedButton58 = nullptr;
    TFlatSpeedButton* FlatSpeedButton59 = nullptr;
    TFlatSpeedButton* FlatSpeedButton9 = nullptr;
    TFlatSpeedButton* FlatSpeedButton10 = nullptr;
    TFlatSpeedButton* FlatSpeedButton11 = nullptr;
    TFlatSpeedButton* FlatSpeedButton12 = nullptr;
    TFlatSpeedButton* FlatSpeedButton13 = nullptr;
    TFlatSpeedButton* FlatSpeedButton1 = nullptr;
    TFlatSpeedButton* FlatSpeedButton2 = nullptr;
    TsuiComboBox* listbox1 = nullptr;
    TFlatSpinEditInteger* SpinEdit1 = nullptr;
    TsuiCheckBox* n22 = nullptr;
    TsuiCheckBox* n44 = nullptr;
    TSynEditor* memo3 = nullptr;
    QPushButton* Button1 = nullptr;
    PlainMemo* Memo1 = nullptr;
    PlainMemo* Memo2 = nullptr;
    TsuiRadioButton* n33 = nullptr;
    TsuiRadioButton* n38 = nullptr;
    TsuiRadioButton* n39 = nullptr;
    QLineEdit* Edit4 = nullptr;
    TsuiButton* FlatButton1 = nullptr;
    QLabel* Label1 = nullptr;
    QTimer* Timer1 = nullptr;

    WebBanner* WebBrowser1() const { return banner_.get(); }
    const AppPaths& paths() const { return paths_; }

    // The creation and close sequences. FormCreate runs once from the constructor; an error skips
    // its remaining steps and is reported. FormClose raises on the first failing step.
    void FormCreate();
    void FormClose();

    // Handlers.
    void ListBox1Click();
    void FlatSpeedButton58Click();
    void FlatSpeedButton59Click();
    void FlatSpeedButton9Click();
    void FlatSpeedButton10Click();
    void FlatSpeedButton11Click();
    void FlatSpeedButton12Click();
    void FlatSpeedButton13Click();
    void FlatSpeedButton1Click();
    void FlatSpeedButton2Click();
    void FlatButton1Click();
    void SpinEdit1Change();
    void n33Click();
    void n38Click();
    void n39Click();
    void n44Click();
    void n22Click();
    void memo3DblClick();
    // What a reading window copies from this window when it is made.
    ReadingSnapshot readingSnapshot() const;
    void Timer1Timer();

    // The search window (Ctrl+F), made when first asked for; it opens what it finds through
    // openFoundEntry.
    void openSearchWindow();
    TSearchWindow* searchWindow() const;
    // Chooses the entry in the catalogue as the reader would, then puts the caret on the found text.
    void openFoundEntry(int catalogueIndex, int lineNumber, int byteColumn);
    // 随机 (Ctrl+R): chooses a random poem's entry in the catalogue as the reader would and puts its
    // title line at the top of the view with the caret on it. The first press reads the anthology
    // on a worker thread and opens the poem when it is read.
    void openRandomPoem();
    // Ctrl+D: marks or unmarks the entry chosen in the catalogue, confirmed by a hint over the view.
    void toggleFavourite();
    const Favourites& favourites() const { return favourites_; }

    // The font dialog's own font, kept between openings (宋体 11 points at first).
    const ChosenFont& fontDialogFont() const { return fontDialogFont_; }

protected:
    bool formClose() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls();
    void buildBanner();
    void buildPictureButtons();
    void connectHandlers();
    void loadEntryIntoView(int catalogueIndex);
    void selectCatalogueIndexFromCode(int index);
    void chooseEntryWithCaretAt(int catalogueIndex, TBufferCoord caret, int rowsAboveCaret);
    void showNextRandomPoem();
    SearchIndexLoader& anthologyIndexLoader();
    void showHintOverView(const QString& text);
    void rememberLoadedState();
    void installReadingRoomKeys();
    void bindWindowKey(QWidget* window, QKeyCombination key, void (TForm1::*handler)());
    void addWindowCommand(const char* caption, QKeyCombination key, void (TForm1::*handler)());
    bool mayWriteAtClose(int file) const;
    void writeSettingsAtClose();

    AppPaths paths_;
    std::unique_ptr<TIniFile> settings_;
    std::unique_ptr<WebBanner> banner_;
    ChosenFont fontDialogFont_;
    TColor colorDialogColor_ = clBlack;
    QWidget* lastTextFocus_ = nullptr;

    // The four files read at start and written at close (see StoredFileRecord: a failed start or a
    // damaged file never has the reader's text and notes overwritten with what could be loaded).
    enum StoredFile { CatalogueFile, ViewFile, NoteFile1, NoteFile2, StoredFileCount };
    std::array<StoredFileRecord, StoredFileCount> storedFiles_{};
    std::string currentContent(int file) const;

    // Favourites live in their own settings section, written at close only once the reader has
    // changed them, so a run that never uses them writes the settings file exactly as before.
    Favourites favourites_;
    bool favouritesChanged_ = false;
    QPointer<TSearchWindow> searchWindow_;
    // The anthology read once for the search window and 随机 alike.
    SearchIndexLoader* anthologyIndexLoader_ = nullptr;
    bool waitingForRandomPoem_ = false;
    std::optional<RandomPoemPicker> randomPoems_;
};

}  // namespace veyrin
