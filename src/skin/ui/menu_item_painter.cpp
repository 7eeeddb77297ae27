#include "skin/ui/menu_item_painter.h"

#include <QPainter>
#include <QPainterPath>

#include "platform/ui/qt_color.h"
#include "skin/ui/skin_image.h"

namespace veyrin {
namespace {

FrameRect toFrameRect(const QRect& r) { return {r.left(), r.top(), r.left() + r.width(), r.top() + r.height()}; }

void paintSkinnedBackground(QPainter& painter, const MenuLook& look, const TbsMenuItem& item, const QRect& itemRect, bool highlighted) {
    const TbsDataSkinMenuItem& skin = *look.skin.menuItem;
    if (item.isSeparator()) {
        drawPictureCopies(painter, look.itemPicture,
                          menuItemBackground(skin.dividerRect, skin.dividerLeftOffset, skin.dividerRightOffset, toFrameRect(itemRect)));
        return;
    }
    const FrameRect& source = highlighted && !skin.activeSkinRect.isAbsent() ? skin.activeSkinRect : skin.skinRect;
    drawPictureCopies(painter, look.itemPicture,
                      menuItemBackground(source, skin.itemLeftOffset, skin.itemRightOffset, toFrameRect(itemRect)));
}

void paintBuiltInBackground(QPainter& painter, const TbsMenuItem& item, const QRect& itemRect, bool highlighted) {
    if (item.isSeparator()) {
        int y = itemRect.center().y();
        painter.setPen(toQColor(clBtnShadow));
        painter.drawLine(itemRect.left() + 1, y, itemRect.right() - 1, y);
        painter.setPen(toQColor(clBtnHighlight));
        painter.drawLine(itemRect.left() + 1, y + 1, itemRect.right() - 1, y + 1);
        return;
    }
    if (highlighted) painter.fillRect(itemRect, toQColor(clHighlight));
}

QColor textColourOf(const MenuLook& look, const TbsMenuItem& item, bool highlighted) {
    if (!item.enabled) return look.disabledTextColor;
    return highlighted ? look.activeTextColor : look.textColor;
}

void paintCheckMark(QPainter& painter, const TbsMenuItem& item, const QRect& box, const QColor& colour) {
    painter.setPen(QPen(colour, 2));
    painter.setBrush(colour);
    QPoint c = box.center();
    if (item.radio) {
        painter.setPen(Qt::NoPen);
        painter.drawEllipse(c, 3, 3);
        return;
    }
    painter.setBrush(Qt::NoBrush);
    painter.drawPolyline(QPolygon({QPoint(c.x() - 4, c.y()), QPoint(c.x() - 1, c.y() + 3), QPoint(c.x() + 4, c.y() - 3)}));
}

void paintSubmenuArrow(QPainter& painter, int tipX, int centreY, const QColor& colour) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawPolygon(QPolygon({QPoint(tipX - 4, centreY - 4), QPoint(tipX, centreY), QPoint(tipX - 4, centreY + 4)}));
}

}  // namespace

void paintMenuGlyph(QPainter& painter, MenuGlyph glyph, const QRect& box, const QColor& colour) {
    QRect r = box.adjusted(1, 1, -1, -1);
    painter.save();
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(colour, 1));
    switch (glyph) {
    case MenuGlyph::None: break;
    case MenuGlyph::Close:
        painter.setPen(QPen(colour, 2));
        painter.drawLine(r.topLeft(), r.bottomRight());
        painter.drawLine(r.topRight(), r.bottomLeft());
        break;
    case MenuGlyph::Minimize: painter.fillRect(QRect(r.left(), r.bottom() - 1, r.width(), 2), colour); break;
    case MenuGlyph::Maximize:
        painter.drawRect(r.adjusted(0, 0, -1, -1));
        painter.fillRect(QRect(r.left(), r.top(), r.width(), 2), colour);
        break;
    case MenuGlyph::Restore: {
        QRect back(r.left() + 3, r.top(), r.width() - 3, r.height() - 3);
        QRect front(r.left(), r.top() + 3, r.width() - 3, r.height() - 3);
        painter.drawRect(back.adjusted(0, 0, -1, -1));
        painter.fillRect(front, Qt::transparent);
        painter.drawRect(front.adjusted(0, 0, -1, -1));
        painter.fillRect(QRect(front.left(), front.top(), front.width(), 2), colour);
        break;
    }
    case MenuGlyph::RollUp:
        painter.fillRect(QRect(r.left(), r.top(), r.width(), 2), colour);
        painter.setPen(Qt::NoPen);
        painter.setBrush(colour);
        painter.drawPolygon(QPolygon({QPoint(r.left() + 1, r.bottom()), QPoint(r.center().x(), r.top() + 3),
                                      QPoint(r.right(), r.bottom())}));
        break;
    case MenuGlyph::MinimizeToTray:
        painter.drawRect(r.adjusted(0, 0, -1, -1));
        painter.fillRect(QRect(r.right() - 4, r.bottom() - 3, 4, 3), colour);
        break;
    }
    painter.restore();
}

void paintMenuItem(QPainter& painter, const MenuLook& look, const TbsMenuItem& item, const QRect& itemRect, bool highlighted) {
    if (look.skinned()) paintSkinnedBackground(painter, look, item, itemRect, highlighted);
    else paintBuiltInBackground(painter, item, itemRect, highlighted);
    if (item.isSeparator()) return;

    const FrameRect t = menuItemTextRect(look.skin, toFrameRect(itemRect));
    const QRect textRect(t.left, t.top, t.width(), t.height());
    const QColor colour = textColourOf(look, item, highlighted);
    painter.setFont(look.font);
    painter.setPen(colour);

    const int glyphSize = std::min(MenuItemTextLayout::kGlyphColumn - 2 * MenuItemTextLayout::kGlyphInset, textRect.height() - 2);
    QRect glyphBox(textRect.left() + MenuItemTextLayout::kGlyphInset, textRect.center().y() - glyphSize / 2, glyphSize, glyphSize);
    if (item.glyph != MenuGlyph::None) paintMenuGlyph(painter, item.glyph, glyphBox, colour);
    else if (item.checked) paintCheckMark(painter, item, glyphBox, colour);

    painter.setPen(colour);
    QRect captionRect = textRect.adjusted(MenuItemTextLayout::kGlyphColumn, 0, 0, 0);
    painter.drawText(captionRect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextShowMnemonic, QString::fromStdString(item.caption));
    if (!item.shortCut.empty()) {
        QRect shortCutRect = textRect.adjusted(MenuItemTextLayout::kGlyphColumn, 0, -MenuItemTextLayout::kShortCutGap, 0);
        painter.drawText(shortCutRect, Qt::AlignRight | Qt::AlignVCenter, QString::fromStdString(item.shortCut));
    }
    if (item.hasSubmenu()) paintSubmenuArrow(painter, t.right - MenuItemTextLayout::kArrowGap, textRect.center().y(), colour);
}

}  // namespace veyrin
