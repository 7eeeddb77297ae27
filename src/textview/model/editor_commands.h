#pragma once
// Command numbers of the text view. Key bindings, the input method and the mouse all end up as one
// of these, so the numbers are stable and may be stored or compared by value.

namespace veyrin {

using TSynEditorCommand = int;

// Caret movement; the selecting variant of each is its number + ecSelection.
constexpr TSynEditorCommand ecNone = 0;
constexpr TSynEditorCommand ecLeft = 1;
constexpr TSynEditorCommand ecRight = 2;
constexpr TSynEditorCommand ecUp = 3;
constexpr TSynEditorCommand ecDown = 4;
constexpr TSynEditorCommand ecWordLeft = 5;
constexpr TSynEditorCommand ecWordRight = 6;
constexpr TSynEditorCommand ecLineStart = 7;
constexpr TSynEditorCommand ecLineEnd = 8;
constexpr TSynEditorCommand ecPageUp = 9;
constexpr TSynEditorCommand ecPageDown = 10;
constexpr TSynEditorCommand ecPageLeft = 11;
constexpr TSynEditorCommand ecPageRight = 12;
constexpr TSynEditorCommand ecPageTop = 13;
constexpr TSynEditorCommand ecPageBottom = 14;
constexpr TSynEditorCommand ecEditorTop = 15;
constexpr TSynEditorCommand ecEditorBottom = 16;
constexpr TSynEditorCommand ecGotoXY = 17;

constexpr TSynEditorCommand ecSelection = 100;
constexpr TSynEditorCommand ecSelLeft = ecLeft + ecSelection;
constexpr TSynEditorCommand ecSelRight = ecRight + ecSelection;
constexpr TSynEditorCommand ecSelUp = ecUp + ecSelection;
constexpr TSynEditorCommand ecSelDown = ecDown + ecSelection;
constexpr TSynEditorCommand ecSelWordLeft = ecWordLeft + ecSelection;
constexpr TSynEditorCommand ecSelWordRight = ecWordRight + ecSelection;
constexpr TSynEditorCommand ecSelLineStart = ecLineStart + ecSelection;
constexpr TSynEditorCommand ecSelLineEnd = ecLineEnd + ecSelection;
constexpr TSynEditorCommand ecSelPageUp = ecPageUp + ecSelection;
constexpr TSynEditorCommand ecSelPageDown = ecPageDown + ecSelection;
constexpr TSynEditorCommand ecSelPageLeft = ecPageLeft + ecSelection;
constexpr TSynEditorCommand ecSelPageRight = ecPageRight + ecSelection;
constexpr TSynEditorCommand ecSelPageTop = ecPageTop + ecSelection;
constexpr TSynEditorCommand ecSelPageBottom = ecPageBottom + ecSelection;
constexpr TSynEditorCommand ecSelEditorTop = ecEditorTop + ecSelection;
constexpr TSynEditorCommand ecSelEditorBottom = ecEditorBottom + ecSelection;
constexpr TSynEditorCommand ecSelGotoXY = ecGotoXY + ecSelection;

constexpr TSynEditorCommand ecSelectAll = 199;
constexpr TSynEditorCommand ecCopy = 201;

constexpr TSynEditorCommand ecScrollUp = 211;
constexpr TSynEditorCommand ecScrollDown = 212;
constexpr TSynEditorCommand ecScrollLeft = 213;
constexpr TSynEditorCommand ecScrollRight = 214;

constexpr TSynEditorCommand ecInsertMode = 221;
constexpr TSynEditorCommand ecOverwriteMode = 222;
constexpr TSynEditorCommand ecToggleMode = 223;

constexpr TSynEditorCommand ecNormalSelect = 231;
constexpr TSynEditorCommand ecColumnSelect = 232;
constexpr TSynEditorCommand ecLineSelect = 233;

constexpr TSynEditorCommand ecMatchBracket = 250;
constexpr TSynEditorCommand ecCommentBlock = 251;

constexpr TSynEditorCommand ecGotoMarker0 = 301;  // .. ecGotoMarker0 + 9
constexpr TSynEditorCommand ecGotoMarker9 = 310;
constexpr TSynEditorCommand ecSetMarker0 = 351;   // .. ecSetMarker0 + 9
constexpr TSynEditorCommand ecSetMarker9 = 360;

constexpr TSynEditorCommand ecContextHelp = 490;

constexpr TSynEditorCommand ecDeleteLastChar = 501;
constexpr TSynEditorCommand ecDeleteChar = 502;
constexpr TSynEditorCommand ecDeleteWord = 503;
constexpr TSynEditorCommand ecDeleteLastWord = 504;
constexpr TSynEditorCommand ecDeleteBOL = 505;
constexpr TSynEditorCommand ecDeleteEOL = 506;
constexpr TSynEditorCommand ecDeleteLine = 507;
constexpr TSynEditorCommand ecClearAll = 508;
constexpr TSynEditorCommand ecLineBreak = 509;
constexpr TSynEditorCommand ecInsertLine = 510;
constexpr TSynEditorCommand ecChar = 511;
constexpr TSynEditorCommand ecImeStr = 550;

constexpr TSynEditorCommand ecUndo = 601;
constexpr TSynEditorCommand ecRedo = 602;
constexpr TSynEditorCommand ecCut = 603;
constexpr TSynEditorCommand ecPaste = 604;
constexpr TSynEditorCommand ecBlockIndent = 610;
constexpr TSynEditorCommand ecBlockUnindent = 611;
constexpr TSynEditorCommand ecTab = 612;
constexpr TSynEditorCommand ecShiftTab = 613;

constexpr TSynEditorCommand ecUpperCase = 620;
constexpr TSynEditorCommand ecLowerCase = 621;
constexpr TSynEditorCommand ecToggleCase = 622;
constexpr TSynEditorCommand ecTitleCase = 623;
constexpr TSynEditorCommand ecUpperCaseBlock = 625;
constexpr TSynEditorCommand ecLowerCaseBlock = 626;
constexpr TSynEditorCommand ecToggleCaseBlock = 627;
constexpr TSynEditorCommand ecString = 630;

constexpr TSynEditorCommand ecAutoCompletion = 650;

// The view's own commands; none has a default key.
constexpr TSynEditorCommand ecSelectionUpperCase = 901;
constexpr TSynEditorCommand ecSelectionLowerCase = 902;
constexpr TSynEditorCommand ecSelectionToggleCase = 903;
constexpr TSynEditorCommand ecWordUpperCase = 904;
constexpr TSynEditorCommand ecWordLowerCase = 905;
constexpr TSynEditorCommand ecWordToggleCase = 906;
constexpr TSynEditorCommand ecDeleteCurrentWord = 907;
constexpr TSynEditorCommand ecSelectCurrentLine = 908;
constexpr TSynEditorCommand ecNextLine = 909;
constexpr TSynEditorCommand ecPreviousLine = 910;
constexpr TSynEditorCommand ecClearAllMarkers = 911;
constexpr TSynEditorCommand ecPrint = 912;
constexpr TSynEditorCommand ecPrintPreview = 913;

constexpr TSynEditorCommand ecUserFirst = 1001;

constexpr bool isSelectionCommand(TSynEditorCommand command) {
    return command >= ecSelLeft && command <= ecSelGotoXY;
}

}  // namespace veyrin
