#include "app/ui/accessible_factory.h"

#include <QAccessible>

#include "controls/ui/accessible_controls.h"
#include "controls/ui/flat_speed_button.h"
#include "controls/ui/flat_spin_edit.h"
#include "controls/ui/sui_button.h"
#include "controls/ui/sui_check_box.h"
#include "controls/ui/sui_radio_button.h"
#include "skin/ui/accessible_frame.h"
#include "skin/ui/accessible_skin_menu.h"
#include "skin/ui/frame_host.h"
#include "skin/ui/skin_popup_window.h"
#include "textview/ui/syn_accessible.h"
#include "textview/ui/syn_editor.h"
#include "windows/ui/about_window.h"
#include "windows/ui/accessible_about_label.h"
#include "windows/ui/accessible_search_tabs.h"
#include "windows/ui/search_tab_bar.h"

namespace veyrin {

namespace {

// Qt asks for every object by its class name; the casts decide, so subclasses are covered too.
QAccessibleInterface* veyrinAccessible(const QString&, QObject* object) {
    if (auto* editor = qobject_cast<TSynEditor*>(object)) return new TSynAccessible(editor);
    if (auto* button = qobject_cast<TFlatSpeedButton*>(object)) return new AccessibleSpeedButton(button);
    if (auto* radio = qobject_cast<TsuiRadioButton*>(object)) return new AccessibleCheckBox(radio, true);
    if (auto* box = qobject_cast<TsuiCheckBox*>(object)) return new AccessibleCheckBox(box, false);
    if (auto* button = qobject_cast<TsuiButton*>(object)) return new AccessibleThemedButton(button);
    if (auto* edit = qobject_cast<TFlatSpinEditInteger*>(object)) return new AccessibleSpinEdit(edit);
    if (auto* label = qobject_cast<AboutLabel*>(object)) return new AccessibleAboutLabel(label);
    if (auto* tabs = qobject_cast<SearchTabBar*>(object)) return new AccessibleSearchTabs(tabs);
    if (auto* level = qobject_cast<TbsSkinPopupWindow*>(object)) return new AccessibleSkinMenuLevel(level);
    if (auto* host = qobject_cast<FrameHost*>(object)) return new AccessibleFrameHost(host);
    return nullptr;
}

}  // namespace

void installAccessibleFactory() {
    static bool installed = false;
    if (installed) return;
    installed = true;
    QAccessible::installFactory(veyrinAccessible);
}

}  // namespace veyrin
