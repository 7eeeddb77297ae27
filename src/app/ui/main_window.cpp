#include "app/ui/main_window.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QTimer>

#include <algorithm>
#include <random>
#include <utility>

#include "anthology/model/author_lookup.h"
#include "anthology/model/entry_files.h"
#include "anthology/model/search_index.h"
#include "app/model/line_file_forms.h"
#include "app/model/settings_file.h"
#include "app/ui/veyrin_application.h"
#include "controls/ui/density_picture.h"
#include "controls/ui/flat_speed_button.h"
#include "controls/ui/flat_spin_edit.h"
#include "controls/ui/plain_memo.h"
#include "controls/ui/sui_button.h"
#include "controls/ui/sui_check_box.h"
#include "controls/ui/sui_combo_box.h"
#include "controls/ui/sui_radio_button.h"
#include "platform/model/gbk_text.h"
#include "platform/model/program_path.h"
#include "platform/ui/font_faces.h"
#include "platform/ui/gbk_qt.h"
#include "platform/ui/qt_color.h"
#include "skin/ui/skin_hint.h"
#include "skin/ui/skin_window_components.h"
#include "skin/ui/window_states.h"
#include "textview/ui/reader_design_values.h"
#include "textview/ui/syn_editor.h"
#include "windows/ui/about_window.h"
#include "windows/ui/program_pictures.h"
#include "windows/ui/reading_window.h"
#include "windows/ui/search_index_loader.h"
#include "windows/ui/search_window.h"
#include "windows/ui/web_banner.h"

namespace veyrin {
namespace {

constexpr TColor kWindowColor = 0xE1E1E1;
constexpr int kRowsAboveFoundLine = 2;

QString u8(const char* text) { return QString::fromUtf8(text); }

// Settings sections and keys, spelled as the program writes them.
const std::string kFont = "Font", kFontLower = "font", kTemp = "Temp", kTempLower = "temp", kColor = "color";

QWidget* makePanel(QWidget* parent, int x, int y, int w, int h) {
    auto* panel = new QWidget(parent);
    panel->setGeometry(x, y, w, h);
    panel->setAutoFillBackground(true);
    QPalette palette = panel->palette();
    palette.setColor(QPalette::Window, toQColor(kWindowColor));
    panel->setPalette(palette);
    return panel;
}

std::string cutTo31Bytes(std::string face) {
    if (face.size() > 31) face.resize(31);
    return face;
}

}  // namespace

TForm1::TForm1(const AppPaths& paths, QWidget* parent) : FrameHost(parent), paths_(paths) {
    setCaption(QStringLiteral("Veyrin"));
    useStoredSkin(TbsBorderIcons{TbsBorderIcon::biSystemMenu, TbsBorderIcon::biMinimize, TbsBorderIcon::biRollUp, TbsBorderIcon::biMinimizeToTray});
    setClientSize(kClientWidth, kClientHeight);
    // Minimising the main window takes the whole program to the task bar.
    windowStates()->setMainWindow(true);
    fontDialogFont_.face = u8("宋体");
    fontDialogFont_.points = 11;
    buildControls();
    connectHandlers();
    runReportingErrors(this, [this] { FormCreate(); });
    rememberLoadedState();
    // Read apart from FormCreate: reading never fails, and a start that stopped early must not
    // lose the list at close.
    favourites_ = readFavourites(TIniFile(paths_.settingsFile()));
    installReadingRoomKeys();
}

TForm1::~TForm1() {
    // Closing the window as it goes moves the focus, and the application would otherwise tell a
    // window whose members are already being torn down.
    disconnect(qApp, &QApplication::focusChanged, this, nullptr);
}

void TForm1::buildControls() {
    QWidget* c = client();
    QPalette palette = c->palette();
    palette.setColor(QPalette::Window, toQColor(kWindowColor));
    c->setPalette(palette);
    c->setFont(fontWithPixelSize(u8("宋体"), 12));

    buildBanner();
    buildPictureButtons();

    listbox1 = new TsuiComboBox(c);
    listbox1->setGeometry(32, 161, 217, 20);
    listbox1->setUIStyle(TsuiUIStyle::MacOS);
    listbox1->setColor(clWhite);
    listbox1->setBorderColor(0x7F7F7F);
    listbox1->setArrowColor(clBlack);
    listbox1->setButtonColor(0xE7E7E7);
    listbox1->setItemHeight(12);
    listbox1->setDropDownCount(20);

    SpinEdit1 = new TFlatSpinEditInteger(c);
    SpinEdit1->setGeometry(256, 161, 49, 21);
    SpinEdit1->setFont(fontWithPixelSize(u8("宋体"), 15));
    // The size box and the two note boxes have no caption; a screen reader names them by what they
    // hold (the typing field inside the size box is what Tab reaches).
    SpinEdit1->setAccessibleName(u8("字号"));
    SpinEdit1->editor()->setAccessibleName(u8("字号"));
    SpinEdit1->setMinValue(9);
    SpinEdit1->setMaxValue(24);
    SpinEdit1->setValue(11);
    SpinEdit1->setColorFlat(clWhite);
    SpinEdit1->setColorFocused(0xECF5FF);

    n22 = new TsuiCheckBox(c);
    n22->setGeometry(308, 161, 107, 21);
    n22->setCaption(u8("显示临时文本框"));
    n22->setUIStyle(TsuiUIStyle::MacOS);
    n44 = new TsuiCheckBox(c);
    n44->setGeometry(420, 161, 71, 21);
    n44->setCaption(u8("显示水线"));
    n44->setUIStyle(TsuiUIStyle::MacOS);

    memo3 = new TSynEditor(c);
    applyReaderDesignValues(*memo3);
    memo3->setGeometry(32, 184, 473, kViewHeightWithBoxes);

    Button1 = new QPushButton(QStringLiteral("Button1"), c);
    Button1->setGeometry(304, 280, 75, 25);
    Button1->setFocusPolicy(Qt::NoFocus);
    Button1->hide();

    Memo1 = new PlainMemo(c);
    Memo1->setGeometry(32, 456, 233, 137);
    Memo2 = new PlainMemo(c);
    Memo2->setGeometry(272, 456, 233, 137);
    Memo1->setAccessibleName(u8("临时文本框一"));
    Memo2->setAccessibleName(u8("临时文本框二"));

    n33 = new TsuiRadioButton(c);
    n33->setGeometry(28, 602, 72, 21);
    n33->setCaption(u8("单倍行距"));
    n33->setUIStyle(TsuiUIStyle::MacOS);
    n33->setColor(kWindowColor);
    n38 = new TsuiRadioButton(c);
    n38->setGeometry(105, 602, 78, 21);
    n38->setCaption(u8("1.5倍行距"));
    n38->setUIStyle(TsuiUIStyle::MacOS);
    n38->setColor(kWindowColor);
    n39 = new TsuiRadioButton(c);
    n39->setGeometry(188, 602, 72, 21);
    n39->setCaption(u8("双倍行距"));
    n39->setUIStyle(TsuiUIStyle::MacOS);
    n39->setColor(kWindowColor);

    Edit4 = new QLineEdit(c);
    Edit4->setGeometry(292, 603, 121, 18);
    Edit4->setFrame(false);
    Edit4->setFont(fontWithPixelSize(u8("宋体"), 12));
    Edit4->setToolTip(u8("查找词谱"));
    // The box has no caption; a screen reader names it by its hint.
    Edit4->setAccessibleName(Edit4->toolTip());
    Edit4->installEventFilter(this);

    FlatButton1 = new TsuiButton(c);
    FlatButton1->setGeometry(418, 601, 73, 23);
    FlatButton1->setCaption(u8("查找作者"));
    FlatButton1->setUIStyle(TsuiUIStyle::WinXP);
    FlatButton1->setTransparent(false);

    Label1 = new QLabel(c);
    Label1->setGeometry(64, 629, 396, 12);
    Label1->setEnabled(false);

    // Tab order as the form gives it: memo3, listbox1, Edit4, SpinEdit1, FlatButton1, n39, n38,
    // n33, n44, Memo1, n22, Memo2.
    QWidget* order[] = {memo3, listbox1, Edit4, SpinEdit1, FlatButton1, n39, n38, n33, n44, Memo1, n22, Memo2};
    for (size_t i = 0; i + 1 < std::size(order); ++i) QWidget::setTabOrder(order[i], order[i + 1]);

    Timer1 = new QTimer(this);
    Timer1->setInterval(bannerRefreshInterval());
    Timer1->start();
}

void TForm1::buildBanner() {
    QWidget* c = client();
    Panel1 = makePanel(c, 24, 16, 489, 83);
    banner_ = createWebBanner(Panel1);
    // The four panels cover the banner's edges so only (33, 25)-(488, 92) of it shows.
    Panel2 = makePanel(c, 8, 8, 25, 97);
    Panel3 = makePanel(c, 32, 8, 465, 17);
    Panel4 = makePanel(c, 488, 8, 41, 97);
    Panel5 = makePanel(c, 32, 92, 465, 10);
}

void TForm1::buildPictureButtons() {
    struct Spec {
        TFlatSpeedButton** button;
        int x, y;
        const char* caption;
        MainPicture picture;
    };
    const Spec specs[] = {
        {&FlatSpeedButton58, 32, 105, "后退", MainPicture::Back},
        {&FlatSpeedButton59, 80, 105, "前进", MainPicture::Forward},
        {&FlatSpeedButton9, 136, 104, "剪切", MainPicture::Cut},
        {&FlatSpeedButton10, 184, 104, "复制", MainPicture::Copy},
        {&FlatSpeedButton11, 232, 104, "粘贴", MainPicture::Paste},
        {&FlatSpeedButton12, 288, 104, "字体", MainPicture::Font},
        {&FlatSpeedButton13, 336, 104, "字颜色", MainPicture::FontColor},
        {&FlatSpeedButton1, 384, 104, "背景色", MainPicture::Background},
        {&FlatSpeedButton2, 440, 104, "关于", MainPicture::About},
    };
    for (const Spec& spec : specs) {
        auto* button = new TFlatSpeedButton(client());
        button->setGeometry(spec.x, spec.y, 49, 54);
        button->setCaption(gbk::fromUtf8(spec.caption));
        button->setColor(clWhite);
        button->setGlyphLayout(TButtonLayout::blGlyphTop);
        button->setGlyphSource([picture = spec.picture](int density) { return mainPicture(picture, density); });
        *spec.button = button;
    }
}

void TForm1::connectHandlers() {
    connect(listbox1, &TsuiComboBox::userSelected, this, &TForm1::ListBox1Click);
    connect(Button1, &QPushButton::clicked, this, &TForm1::ListBox1Click);
    connect(FlatSpeedButton58, &TFlatSpeedButton::clicked, this, &TForm1::FlatSpeedButton58Click);
    connect(FlatSpeedButton59, &TFlatSpeedButton::clicked, this, &TForm1::FlatSpeedButton59Click);
    connect(FlatSpeedButton9, &TFlatSpeedButton::clicked, this, &TForm1::FlatSpeedButton9Click);
    connect(FlatSpeedButton10, &TFlatSpeedButton::clicked, this, &TForm1::FlatSpeedButton10Click);
    connect(FlatSpeedButton11, &TFlatSpeedButton::clicked, this, &TForm1::FlatSpeedButton11Click);
    connect(FlatSpeedButton12, &TFlatSpeedButton::clicked, this, &TForm1::FlatSpeedButton12Click);
    connect(FlatSpeedButton13, &TFlatSpeedButton::clicked, this, &TForm1::FlatSpeedButton13Click);
    connect(FlatSpeedButton1, &TFlatSpeedButton::clicked, this, &TForm1::FlatSpeedButton1Click);
    connect(FlatSpeedButton2, &TFlatSpeedButton::clicked, this, &TForm1::FlatSpeedButton2Click);
    connect(FlatButton1, &TsuiButton::clicked, this, &TForm1::FlatButton1Click);
    connect(SpinEdit1, &TFlatSpinEditInteger::changed, this, &TForm1::SpinEdit1Change);
    connect(n33, &TsuiRadioButton::clicked, this, &TForm1::n33Click);
    connect(n38, &TsuiRadioButton::clicked, this, &TForm1::n38Click);
    connect(n39, &TsuiRadioButton::clicked, this, &TForm1::n39Click);
    connect(n44, &TsuiCheckBox::clicked, this, &TForm1::n44Click);
    connect(n22, &TsuiCheckBox::clicked, this, &TForm1::n22Click);
    connect(memo3, &TSynEditor::dblClicked, this, &TForm1::memo3DblClick);
    connect(Timer1, &QTimer::timeout, this, &TForm1::Timer1Timer);
    // The paste button never takes the focus, so it pastes into the text control that has it
    // or last had it.
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
        if (now == memo3 || now == Memo1 || now == Memo2) lastTextFocus_ = now;
    });
}

// ---- Start-up and close ----------------------------------------------------------------------

void TForm1::FormCreate() {
    const std::filesystem::path& wd = paths_.workingDirectory;
    settings_ = std::make_unique<TIniFile>(paths_.settingsFile());
    banner_->navigate(bannerAddress());

    auto catalogue = loadListFile(wd, kCatalogueFilePath);
    listbox1->setItems(std::move(catalogue.content));
    storedFiles_[CatalogueFile].markLoaded(catalogue.complete);
    // The view keeps every byte it reads, 0x00 included.
    memo3->Lines().LoadFromFile(wd, kViewFilePath);
    storedFiles_[ViewFile].markLoaded(true);
    auto firstNote = loadBoxFile(wd, kFirstNoteFilePath);
    Memo1->setGbkText(firstNote.content);
    storedFiles_[NoteFile1].markLoaded(firstNote.complete);
    auto secondNote = loadBoxFile(wd, kSecondNoteFilePath);
    Memo2->setGbkText(secondNote.content);
    storedFiles_[NoteFile2].markLoaded(secondNote.complete);

    std::string face = settings_->ReadString(kFont, "font1", "");
    if (!face.empty()) memo3->setFontName(cutTo31Bytes(face));
    memo3->setFontSize(settings_->ReadInteger(kFont, "size1", 11));
    SpinEdit1->setValue(memo3->fontSize());
    memo3->setFontColor(settings_->ReadInteger(kFontLower, "color1", 0));

    n33->setChecked(settings_->ReadBool(kTemp, "check1", false));
    n38->setChecked(settings_->ReadBool(kTemp, "check2", true));
    n39->setChecked(settings_->ReadBool(kTemp, "check3", false));
    n44->setChecked(settings_->ReadBool(kTemp, "check4", false));
    n22->setChecked(settings_->ReadBool(kTemp, "check5", true));

    memo3->LineDivider().setVisible(settings_->ReadBool(kTemp, "LineDivider", false));
    memo3->setColor(settings_->ReadInteger(kColor, "color2", 16777215));
    selectCatalogueIndexFromCode(settings_->ReadInteger(kTemp, "item1", 0));
    Memo1->setVisible(settings_->ReadBool(kTemp, "Visible1", false));
    Memo2->setVisible(settings_->ReadBool(kTemp, "Visible2", false));
    memo3->LineDivider().setVisible(settings_->ReadBool(kTemp, "Visible3", false));
    memo3->resize(memo3->width(), settings_->ReadInteger(kTemp, "Height1", kViewHeightWithoutBoxes));
}

std::string TForm1::currentContent(int file) const {
    switch (file) {
    case CatalogueFile: return formatListForm(listbox1->items());
    case ViewFile: return memo3->Lines().GetTextStr();
    case NoteFile1: return Memo1->gbkText();
    case NoteFile2: return Memo2->gbkText();
    default: return {};
    }
}

void TForm1::rememberLoadedState() {
    for (int file = 0; file < StoredFileCount; ++file) {
        if (storedFiles_[file].comparesWithStart()) storedFiles_[file].rememberStartContent(currentContent(file));
    }
}

bool TForm1::mayWriteAtClose(int file) const {
    static const char* const kProgramPaths[] = {kCatalogueFilePath, kViewFilePath, kFirstNoteFilePath,
                                                kSecondNoteFilePath};
    std::error_code ec;
    bool exists = std::filesystem::exists(resolveProgramPath(paths_.workingDirectory, kProgramPaths[file]), ec);
    return storedFiles_[file].mayWrite(exists, storedFiles_[file].comparesWithStart() ? currentContent(file) : "");
}

void TForm1::FormClose() {
    const std::filesystem::path& wd = paths_.workingDirectory;
    if (!settings_) settings_ = std::make_unique<TIniFile>(paths_.settingsFile());

    if (mayWriteAtClose(CatalogueFile))
        saveListFile(wd, kCatalogueFilePath, listbox1->items());
    if (mayWriteAtClose(ViewFile)) memo3->Lines().SaveToFile(wd, kViewFilePath);
    if (mayWriteAtClose(NoteFile1)) saveBoxFile(wd, kFirstNoteFilePath, Memo1->gbkText());
    if (mayWriteAtClose(NoteFile2)) saveBoxFile(wd, kSecondNoteFilePath, Memo2->gbkText());

    settings_->Update([this] { writeSettingsAtClose(); });
}

void TForm1::writeSettingsAtClose() {
    settings_->WriteString(kFont, "font1", memo3->fontName());
    settings_->WriteInteger(kFont, "size1", memo3->fontSize());
    settings_->WriteInteger(kFontLower, "color1", memo3->fontColor());
    settings_->WriteBool(kTemp, "check1", n33->checked());
    settings_->WriteBool(kTemp, "check2", n38->checked());
    settings_->WriteBool(kTemp, "check3", n39->checked());
    settings_->WriteBool(kTemp, "check4", n44->checked());
    settings_->WriteBool(kTemp, "check5", n22->checked());
    settings_->WriteInteger(kTemp, "item1", listbox1->itemIndex());
    settings_->WriteInteger(kColor, "color2", memo3->color());
    SpinEdit1->setValue(memo3->fontSize());
    settings_->WriteInteger(kTempLower, "topline", memo3->topLine());
    settings_->WriteBool(kTemp, "Visible1", !Memo1->isHidden());
    settings_->WriteBool(kTemp, "Visible2", !Memo2->isHidden());
    settings_->WriteBool(kTemp, "Visible3", memo3->LineDivider().Visible());
    settings_->WriteInteger(kTemp, "Height1", memo3->height());
    if (favouritesChanged_) writeFavourites(*settings_, favourites_);
}

bool TForm1::formClose() {
    return runReportingErrors(this, [this] { FormClose(); });
}

// ---- Catalogue, back and forward, author lookup ---------------------------------------------

void TForm1::selectCatalogueIndexFromCode(int index) { listbox1->setItemIndex(index); }

void TForm1::loadEntryIntoView(int catalogueIndex) {
    memo3->Lines().LoadFromFile(paths_.workingDirectory, entryFilePath(catalogueIndex));
}

void TForm1::ListBox1Click() {
    int index = listbox1->itemIndex();
    if (hasEntryFile(index)) loadEntryIntoView(index);
}

void TForm1::FlatSpeedButton58Click() {
    selectCatalogueIndexFromCode(listbox1->itemIndex() - 1);
    Button1->click();
}

void TForm1::FlatSpeedButton59Click() {
    selectCatalogueIndexFromCode(listbox1->itemIndex() + 1);
    Button1->click();
}

void TForm1::FlatButton1Click() {
    AuthorLookupResult result = lookUpAuthor(qStringToGbk(Edit4->text()));
    if (result.outcome == AuthorLookupOutcome::Found) {
        selectCatalogueIndexFromCode(result.catalogueIndex);
        loadEntryIntoView(result.catalogueIndex);
        return;
    }
    dialogs().showMessage(this, gbkToQString(authorLookupMessage(result.outcome)));
}

bool TForm1::eventFilter(QObject* watched, QEvent* event) {
    // Edit4KeyPress: Enter reaches neither the box nor the speaker; the focus moves on and the
    // lookup button is clicked, which takes the focus itself.
    if (watched == Edit4 && event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            focusNextPrevChild(true);
            FlatButton1->setFocus(Qt::OtherFocusReason);
            FlatButton1->click();
            return true;
        }
    }
    return FrameHost::eventFilter(watched, event);
}

// ---- Clipboard buttons ----------------------------------------------------------------------

void TForm1::FlatSpeedButton9Click() {
    memo3->cutToClipboard();
    Memo1->cut();
    Memo2->cut();
}

void TForm1::FlatSpeedButton10Click() {
    memo3->copyToClipboard();
    Memo1->copy();
    Memo2->copy();
}

void TForm1::FlatSpeedButton11Click() {
    QWidget* target = lastTextFocus_ ? lastTextFocus_ : memo3;
    if (target == memo3) {
        memo3->pasteFromClipboard();
    } else if (auto* memo = qobject_cast<PlainMemo*>(target); memo && memo->canPaste()) {
        memo->paste();
    }
}

// ---- Font, colours, size, spacing, ruled lines, note boxes -----------------------------------

void TForm1::FlatSpeedButton12Click() {
    std::optional<ChosenFont> chosen = dialogs().chooseFont(this, fontDialogFont_);
    if (!chosen) return;
    fontDialogFont_ = *chosen;
    memo3->setFontName(qStringToGbk(chosen->face));
    memo3->setFontStyle(TSynFontStyle{chosen->bold, chosen->italic, chosen->underline, chosen->strikeOut});
    memo3->setFontSize(chosen->points);
    memo3->setFontColor(chosen->color);
    SpinEdit1->setValue(memo3->fontSize());
}

void TForm1::FlatSpeedButton13Click() {
    if (std::optional<TColor> colour = dialogs().chooseColor(this, colorDialogColor_)) {
        colorDialogColor_ = *colour;
        memo3->setFontColor(*colour);
    }
}

void TForm1::FlatSpeedButton1Click() {
    if (std::optional<TColor> colour = dialogs().chooseColor(this, colorDialogColor_)) {
        colorDialogColor_ = *colour;
        memo3->setColor(*colour);
    }
}

void TForm1::FlatSpeedButton2Click() {
    TForm2 about;
    about.open();
}

void TForm1::SpinEdit1Change() { memo3->setFontSize(SpinEdit1->value()); }

void TForm1::n33Click() { memo3->setLineSpacingRule(TLineSpacingRule::lsSpecified); }
void TForm1::n38Click() { memo3->setLineSpacingRule(TLineSpacingRule::lsOneAndHalf); }
void TForm1::n39Click() { memo3->setLineSpacingRule(TLineSpacingRule::lsDouble); }
void TForm1::n44Click() { memo3->LineDivider().setVisible(n44->checked()); }

void TForm1::n22Click() {
    bool shown = n22->checked();
    Memo1->setVisible(shown);
    Memo2->setVisible(shown);
    memo3->resize(memo3->width(), shown ? kViewHeightWithBoxes : kViewHeightWithoutBoxes);
}

void TForm1::memo3DblClick() {
    TForm3 reading(readingSnapshot());
    reading.open();
}

ReadingSnapshot TForm1::readingSnapshot() const {
    ReadingSnapshot snapshot;
    const TSynEditStringList& lines = memo3->Lines();
    snapshot.lines.reserve(static_cast<size_t>(lines.Count()));
    for (int i = 0; i < lines.Count(); ++i) snapshot.lines.emplace_back(lines.GetView(i));
    snapshot.fontName = memo3->fontName();
    snapshot.fontColor = memo3->fontColor();
    snapshot.fontSize = memo3->fontSize();
    snapshot.background = memo3->color();
    snapshot.ruledLines = memo3->LineDivider().Visible();
    snapshot.note1 = Memo1->gbkText();
    snapshot.note2 = Memo2->gbkText();
    return snapshot;
}

void TForm1::Timer1Timer() { banner_->refresh(); }

// ---- Search and favourites --------------------------------------------------------------------

void TForm1::bindWindowKey(QWidget* window, QKeyCombination key, void (TForm1::*handler)()) {
    auto* shortcut = new QShortcut(QKeySequence(key), window);
    connect(shortcut, &QShortcut::activated, this, handler);
}

void TForm1::installReadingRoomKeys() {
    bindWindowKey(this, Qt::CTRL | Qt::Key_F, &TForm1::openSearchWindow);
    bindWindowKey(this, Qt::CTRL | Qt::Key_D, &TForm1::toggleFavourite);
    addWindowCommand("随机", Qt::CTRL | Qt::Key_R, &TForm1::openRandomPoem);
}

// A command with a caption but no button or menu of its own: the window has no menu bar, so its
// caption reaches a screen reader as one of the window's actions.
void TForm1::addWindowCommand(const char* caption, QKeyCombination key, void (TForm1::*handler)()) {
    auto* action = new QAction(u8(caption), this);
    action->setShortcut(QKeySequence(key));
    action->setShortcutContext(Qt::WindowShortcut);
    addAction(action);
    connect(action, &QAction::triggered, this, handler);
}

TSearchWindow* TForm1::searchWindow() const { return searchWindow_; }

void TForm1::openSearchWindow() {
    if (!searchWindow_) {
        searchWindow_ = new TSearchWindow(paths_.workingDirectory, this, &anthologyIndexLoader());
        searchWindow_->setFavourites(favourites_.catalogueIndexes());
        connect(searchWindow_, &TSearchWindow::entryChosen, this, &TForm1::openFoundEntry);
        // Ctrl+D marks the entry shown in this window also while the search window has the keys.
        bindWindowKey(searchWindow_, Qt::CTRL | Qt::Key_D, &TForm1::toggleFavourite);
    }
    searchWindow_->present();
}

void TForm1::openFoundEntry(int catalogueIndex, int lineNumber, int byteColumn) {
    // The found line goes near the top, so the rest of its poem shows below it.
    chooseEntryWithCaretAt(catalogueIndex, TBufferCoord{byteColumn, lineNumber}, kRowsAboveFoundLine);
}

void TForm1::chooseEntryWithCaretAt(int catalogueIndex, TBufferCoord caret, int rowsAboveCaret) {
    selectCatalogueIndexFromCode(catalogueIndex);
    ListBox1Click();
    // A shorter catalogue than the anthology cannot choose the entry; the view then keeps its text
    // and its caret, as a choice there would.
    if (listbox1->itemIndex() != catalogueIndex) return;
    memo3->setCaretXY(caret);
    memo3->setTopLine(std::max(1, memo3->caretRow() - rowsAboveCaret));
    memo3->ensureCaretVisible();
}

void TForm1::openRandomPoem() {
    if (randomPoems_) {
        showNextRandomPoem();
        return;
    }
    SearchIndexLoader& loader = anthologyIndexLoader();
    auto openFirstPoem = [this](const std::shared_ptr<const SearchIndex>& index) {
        randomPoems_.emplace(index->poemPlaces(), std::random_device{}());
        showNextRandomPoem();
    };
    if (loader.index()) {
        openFirstPoem(loader.index());
        return;
    }
    // Presses while the anthology is still being read add nothing: one poem opens when it is read.
    if (waitingForRandomPoem_) return;
    waitingForRandomPoem_ = true;
    connect(&loader, &SearchIndexLoader::loaded, this, openFirstPoem, Qt::SingleShotConnection);
    loader.start(paths_.workingDirectory);
}

SearchIndexLoader& TForm1::anthologyIndexLoader() {
    if (anthologyIndexLoader_ == nullptr) anthologyIndexLoader_ = new SearchIndexLoader(this);
    return *anthologyIndexLoader_;
}

void TForm1::showNextRandomPoem() {
    if (std::optional<PoemPlace> poem = randomPoems_->next()) {
        chooseEntryWithCaretAt(poem->catalogueIndex, TBufferCoord{1, poem->lineNumber}, 0);
        return;
    }
    showHintOverView(u8("选集中没有可读的诗，未能随机选诗"));
}

void TForm1::toggleFavourite() {
    const int index = listbox1->itemIndex();
    QString confirmation;
    if (!hasEntryFile(index)) {
        confirmation = u8("目录中没有选中的一篇，未收藏");
    } else {
        favouritesChanged_ = true;
        const bool marked = favourites_.toggle(index);
        const QString item = gbkToQString(listbox1->items()[static_cast<size_t>(index)]);
        confirmation = (marked ? u8("已收藏：") : u8("已取消收藏：")) + item;
        if (searchWindow_) searchWindow_->setFavourites(favourites_.catalogueIndexes());
    }
    showHintOverView(confirmation);
}

void TForm1::showHintOverView(const QString& text) {
    skinComponents().hint->showTextHintAt(text, memo3->mapToGlobal(QPoint(8, 8)));
}

}  // namespace veyrin
