#include "textview/ui/reader_design_values.h"

#include "platform/model/gbk_text.h"
#include "textview/ui/syn_editor.h"

namespace veyrin {

void applyReaderDesignValues(TSynEditor& view) {
    view.setFontName(gbk::fromUtf8("新宋体"));
    view.setFontSize(9);
    view.setFontColor(clWindowText);
    view.setFontStyle({});
    view.setColor(clWhite);
    view.LineDivider().setColor(clSilver);
    view.LineDivider().setStyle(psSolid);
    view.LineDivider().setVisible(true);
    view.ActiveLine().setBackground(static_cast<TColor>(0x00E8F9FD));
    view.ActiveLine().setForeground(static_cast<TColor>(0x001C6F80));
    view.ActiveLine().setVisible(true);
    view.RightEdge().setVisible(false);
    view.RightEdge().setPosition(80);
    view.setLineSpacing(0);
    view.setLineSpacingRule(lsDouble);
    view.WordWrap().setPosition(80);
    view.WordWrap().setStyle(wwsClientWidth);
    view.WordWrap().setEnabled(true);
    view.setScrollHintColor(static_cast<TColor>(0x00EFEFEF));
    view.setDocumentFormat(sffMac);
    view.setDocumentState(smsNormal);
}

}  // namespace veyrin
