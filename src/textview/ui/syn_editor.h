#pragma once
// The reading text view: GBK lines laid out on a fixed-cell grid, word-wrapped at the view's width
// and painted as ruled letter paper (one ruled line under every display row of text), with the
// caret's row in the active-line colours, a thin vertical scroll bar and a top-line hint while the
// thumb is dragged.
//
// Caret, selection, scroll position and rows live in the Qt-free view model beside the line store;
// this widget measures the font, forwards input, and repaints what the model reports changed.
// Keyboard, mouse and input method handling are in syn_editor_input.cpp.

#include <QAbstractScrollArea>
#include <QFont>
#include <QRawFont>
#include <QRegion>
#include <QTimer>

#include <memory>
#include <string>

#include "platform/model/color.h"
#include "textview/model/active_line.h"
#include "textview/model/display_text.h"
#include "textview/model/editor_commands.h"
#include "textview/model/line_divider.h"
#include "textview/model/line_store.h"
#include "textview/model/pinyin_annotations.h"
#include "textview/model/right_edge.h"
#include "textview/model/scroll_bar_math.h"
#include "textview/model/selected_color.h"
#include "textview/model/view_metrics.h"
#include "textview/model/view_model.h"
#include "textview/model/word_wrap_settings.h"
#include "textview/ui/gbk_cell_painter.h"

namespace veyrin {

class TSynFlatScrollBar;
class TSynEditingController;
class TSynEditEngine;
class TSynEditKeyStrokes;

enum TSynDocumentState { smsNormal, smsDocument };

struct TSynFontStyle {
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    friend bool operator==(const TSynFontStyle&, const TSynFontStyle&) = default;
};

class TSynEditor : public QAbstractScrollArea, private ISynViewListener {
    Q_OBJECT
public:
    explicit TSynEditor(QWidget* parent = nullptr);
    ~TSynEditor() override;

    // --- Text ---
    TSynEditStringList& Lines() { return lines_; }
    const TSynEditStringList& Lines() const { return lines_; }
    // The framework's assign: begin update, Clear, AddStrings, end update (file format not copied).
    void assignLines(const TSynEditStringList& other);

    TSynEditFileFormat DocumentFormat() const { return lines_.FileFormat(); }
    void setDocumentFormat(TSynEditFileFormat format);
    const std::string& DocumentName() const { return documentName_; }
    void setDocumentName(const std::string& name);
    TSynDocumentState DocumentState() const { return documentState_; }
    void setDocumentState(TSynDocumentState state) { documentState_ = state; }

    // --- Font (face in GBK, size in points) ---
    void setFontName(const std::string& gbkFace);
    const std::string& fontName() const { return fontName_; }
    void setFontSize(int points);
    int fontSize() const { return fontSize_; }
    void setFontColor(TColor color);
    TColor fontColor() const { return fontColor_; }
    void setFontStyle(const TSynFontStyle& style);
    TSynFontStyle fontStyle() const { return fontStyle_; }
    // The font as drawn (pixel height from the point size).
    const QFont& textFont() const { return font_; }
    // The font as the cells are drawn with it, and its ascent above the baseline.
    TGbkCellFont cellFont() const;
    int textAscent() const { return fontAscent_; }

    // --- Colours and settings objects ---
    void setColor(TColor color);
    TColor color() const { return color_; }
    TSynLineDivider& LineDivider() { return lineDivider_; }
    const TSynLineDivider& LineDivider() const { return lineDivider_; }
    TSynActiveLine& ActiveLine() { return activeLine_; }
    TSynRightEdge& RightEdge() { return rightEdge_; }
    TSynWordWrap& WordWrap() { return wordWrap_; }
    TSynSelectedColor& SelectedColor() { return selectedColor_; }
    void setScrollHintColor(TColor color) { scrollHintColor_ = color; }
    TColor scrollHintColor() const { return scrollHintColor_; }

    // --- What is drawn: another form of each line, same length; the stored lines stay as they are ---
    void setDisplayText(const ISynDisplayText* displayText);
    const ISynDisplayText* displayText() const { return displayText_; }
    // The tab-expanded bytes drawn for a line (1-based).
    std::string_view displayLine(int line, std::string& scratch) const;

    // --- What is written over the characters (nullptr: nothing, and the rows have no band) ---
    void setAnnotations(const ISynAnnotations* annotations);
    const ISynAnnotations* annotations() const { return annotations_; }
    // A line's annotations (1-based), taken from its stored bytes whatever the display text shows.
    TSynLineAnnotations lineAnnotations(int line) const;
    const QFont& annotationFont() const { return annotationFont_; }
    int annotationBand() const { return model_.metrics().annotationBand; }

    // --- Layout ---
    void setLineSpacingRule(TLineSpacingRule rule);
    TLineSpacingRule lineSpacingRule() const { return lineSpacingRule_; }
    void setLineSpacing(int pixels);
    int lineSpacing() const { return lineSpacing_; }
    void setTabWidth(int width);
    int tabWidth() const { return lines_.TabWidth(); }

    int topLine() const { return model_.topLine(); }
    void setTopLine(int row) { model_.setTopLine(row); }
    int rowCount() const { return model_.rowCount(); }
    int linesInWindow() const { return model_.metrics().linesInWindow; }
    int charsInWindow() const { return model_.metrics().charsInWindow; }
    int rowHeight() const { return model_.metrics().rowHeight; }
    int charWidth() const { return model_.metrics().charWidth; }
    int textHeight() const { return model_.metrics().textHeight; }
    int extraSpacing() const { return model_.metrics().extraSpacing; }
    int textLeft() const { return model_.metrics().textLeft(); }
    const TSynViewMetrics& metrics() const { return model_.metrics(); }
    const TSynDisplayMap& displayMap() const { return model_.displayMap(); }
    int rowToLine(int row) const { return model_.rowToLine(row); }
    int lineToRow(int line) const { return model_.lineToRow(line); }
    TDisplayCoord bufferToDisplayPos(TBufferCoord pos) const { return model_.bufferToDisplay(pos); }
    TBufferCoord displayToBufferPos(TDisplayCoord pos) const { return model_.displayToBuffer(pos); }
    TSynViewModel& viewModel() { return model_; }
    const TSynViewModel& viewModel() const { return model_; }

    // --- Caret and selection (buffer positions from 1) ---
    TBufferCoord caretXY() const { return model_.caret(); }
    // Moves the caret (collapsing the selection unless `extend`) and scrolls it into view.
    void setCaretXY(TBufferCoord pos, bool extend = false) { model_.moveCaret(pos, extend); }
    void setSelection(TBufferCoord anchor, TBufferCoord caret) { model_.setCaretAndAnchor(caret, anchor); }
    const TSynCaretSelection& selection() const { return model_.selection(); }
    bool hasSelection() const { return model_.hasSelection(); }
    // The selected bytes, lines joined with CR LF.
    std::string selectedText() const { return model_.selectedText(); }
    int caretRow() const { return model_.caretRow(); }
    void ensureCaretVisible() { model_.ensureCaretVisible(); }
    // The buffer position under a viewport point (click: nearest boundary; drag: cell under it).
    TBufferCoord pixelToBufferPos(QPoint viewportPos, bool dragging) const;

    // --- Scroll bar ---
    TSynFlatScrollBar* flatScrollBar() const { return scrollBar_; }
    TScrollBarInfo scrollBarInfo() const;

    // --- Repaint requests ---
    void invalidateAll();
    void invalidateLines(int firstLine, int lastLine);
    void invalidateRow(int row);

    // --- Editing (syn_editor_editing.cpp; the commands live in the editing controller) ---
    void cutToClipboard();
    void copyToClipboard();
    void pasteFromClipboard();
    void clearSelection();
    void selectAll();
    void undo();
    void redo();
    bool canUndo() const;
    bool canRedo() const;
    bool canPaste() const;
    bool readOnly() const;
    void setReadOnly(bool value);
    bool insertMode() const;
    // The whole text, lines joined with CR LF and no break after the last; setting it clears undo.
    std::string text() const;
    void setText(std::string_view gbkText);
    // Runs one editor command; `text` carries the character of ecChar and the string of ecImeStr.
    void executeCommand(TSynEditorCommand command, std::string_view text = {});
    TSynEditEngine& editingEngine();
    TSynEditKeyStrokes& keyStrokes();
    // The input method's composition under way (empty when none).
    QString compositionText() const;

    QVariant inputMethodQuery(Qt::InputMethodQuery query) const override;

signals:
    void dblClicked();
    void statusChanged();
    // The lines were emptied (a load, a clear, a new text).
    void linesCleared();
    void caretMoved();
    // The lines changed in any way (typed, removed, loaded, cleared).
    void textChanged();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    // Input (syn_editor_input.cpp).
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;

private:
    // What the view model reports.
    void topLineChanged(int oldTopLine) override;
    void linesInvalidated(int firstLine, int lastLine, bool toTheEnd) override;
    void caretMoved(int oldCaretRow, bool selectionRepaint) override;
    void linesReset() override;
    void linesSettling() override;
    void linesSettled() override;
    void invalidateRect(const QRect& rect);

    void rebuildFont();
    void followScreenDensity();
    void fontChanged();
    void sizeChanged();
    int currentWrapColumn() const;
    void applyWordWrap();

    void updateScrollBar();
    void onScrollBarAction(int action);
    void onScrollBarReleased();
    void showScrollHint();

    QRect caretRect() const;
    bool caretVisible() const { return caretShown_ && hasFocus(); }
    void restartCaretBlink();
    void repaintCaret();

    // Painting (syn_editor_paint.cpp).
    void paintTextArea(class QPainter& painter, const QRect& clip) const;
    struct RowToPaint {
        int row = 0;
        std::string_view text;
        size_t lineOffset = 0;  // of the row's first byte in its line
        const TSynLineAnnotations* annotations = nullptr;
    };
    void paintRow(QPainter& painter, const QRect& clip, const RowToPaint& row, int firstColumn, int lastColumn,
                  bool isCaretRow) const;
    void paintSelectedPart(QPainter& painter, const QRect& rowRect, int row, std::string_view rowText,
                           int baseline) const;
    void drawCells(QPainter& painter, std::string_view rowText, int fromColumn, int toColumn, int baseline,
                   const QColor& color) const;
    int columnX(int column) const { return textLeft() + (column - model_.leftChar()) * charWidth(); }
    void paintCaret(QPainter& painter, const QRegion& painted);

    // Input and editing (syn_editor_input.cpp, syn_editor_editing.cpp).
    struct EditingDeleter {
        void operator()(TSynEditingController* controller) const;
    };
    TSynEditingController& editing() const;

    TSynEditStringList lines_;
    TSynViewModel model_;
    TSynLineDivider lineDivider_;
    TSynActiveLine activeLine_;
    TSynRightEdge rightEdge_;
    TSynWordWrap wordWrap_;
    TSynSelectedColor selectedColor_;
    const ISynDisplayText* displayText_ = nullptr;
    const ISynAnnotations* annotations_ = nullptr;
    QFont annotationFont_;

    std::string fontName_;
    int fontSize_ = 10;
    TColor fontColor_ = clWindowText;
    TSynFontStyle fontStyle_;
    QFont font_;
    QRawFont rawFont_;
    int rawFontDensity_ = 1;  // the screen density the cells were last drawn for
    int fontAscent_ = 0;
    TColor color_ = clWindow;
    TColor scrollHintColor_ = clInfoBk;
    TLineSpacingRule lineSpacingRule_ = lsSingle;
    int lineSpacing_ = 0;

    QRect pendingInvalid_;
    bool statusChangePending_ = false;

    std::string documentName_;
    TSynDocumentState documentState_ = smsNormal;

    TSynFlatScrollBar* scrollBar_ = nullptr;
    TWheelAccumulator wheel_;
    QTimer caretBlink_;
    bool caretShown_ = false;
    // Where caret pixels may still be on screen: drawn by an earlier paint and not painted over since.
    QRegion caretInk_;
    bool selecting_ = false;
    mutable std::unique_ptr<TSynEditingController, EditingDeleter> editing_;
};

}  // namespace veyrin
