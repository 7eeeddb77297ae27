#include "textview/ui/key_translation.h"

#include <QGuiApplication>
#include <QKeyEvent>

#include <algorithm>
#include <array>

#if defined(VEYRIN_HAVE_XCB) && QT_CONFIG(xcb)
#include <cstdlib>
#include <memory>
#include <utility>
#include <vector>
#include <xcb/xcb.h>
#define VEYRIN_READS_X11_KEYMAP 1
#endif

namespace veyrin {
namespace {

// The punctuation keys carry the numbers Windows gives them (VK_OEM_*), so bindings made for
// them mean the same key everywhere.
struct SymbolKey {
    char plain;
    char shifted;  // on the US layout
    int key;
};
constexpr std::array<SymbolKey, 21> kSymbolRow{{
    {'`', '~', 0xC0}, {'1', '!', '1'}, {'2', '@', '2'}, {'3', '#', '3'}, {'4', '$', '4'},  {'5', '%', '5'},
    {'6', '^', '6'},  {'7', '&', '7'}, {'8', '*', '8'}, {'9', '(', '9'}, {'0', ')', '0'},  {'-', '_', 0xBD},
    {'=', '+', 0xBB}, {'[', '{', 0xDB}, {']', '}', 0xDD}, {'\\', '|', 0xDC}, {';', ':', 0xBA}, {'\'', '"', 0xDE},
    {',', '<', 0xBC}, {'.', '>', 0xBE}, {'/', '?', 0xBF},
}};
constexpr int kSpaceKey = 0x20;

int symbolRowKey(quint32 code, bool shifted) {
    const auto found = std::find_if(kSymbolRow.begin(), kSymbolRow.end(), [&](const SymbolKey& symbol) {
        return code == static_cast<quint32>(shifted ? symbol.shifted : symbol.plain);
    });
    if (found == kSymbolRow.end()) return 0;
    const SymbolKey& symbol = *found;
    return symbol.key;
}

bool isDigit(quint32 code) { return code >= '0' && code <= '9'; }

// Latin keysyms and Qt's keys for printable ASCII are both the character codes (Qt's letters are
// the capitals), so one lookup serves the keyboard map and Qt's own key.
int characterKey(quint32 code) {
    if (isDigit(code) || (code >= 'A' && code <= 'Z')) return static_cast<int>(code);
    if (code >= 'a' && code <= 'z') return static_cast<int>(code - 'a' + 'A');
    if (code == ' ') return kSpaceKey;
    return symbolRowKey(code, false);
}

int usShiftedSymbolKey(quint32 code) { return symbolRowKey(code, true); }

#ifdef VEYRIN_READS_X11_KEYMAP

// The server's core keyboard map, read once and again whenever a press no longer fits it (the
// layout was switched while the program ran).
class CoreKeyboardMap {
public:
    std::span<const quint32> row(xcb_connection_t* connection, int keycode, quint32 reportedSym) {
        if (connection != connection_ || !holds(stored(keycode), reportedSym)) {
            const std::pair<int, quint32> press{keycode, reportedSym};
            // A symbol the core map cannot hold (a third layout group) would otherwise cost a
            // round trip on every press.
            if (connection != connection_ || lastMiss_ != press) fetch(connection);
            if (!holds(stored(keycode), reportedSym)) lastMiss_ = press;
        }
        return stored(keycode);
    }

private:
    static bool holds(std::span<const quint32> row, quint32 sym) {
        return std::find(row.begin(), row.end(), sym) != row.end();
    }

    std::span<const quint32> stored(int keycode) const {
        if (perKeycode_ <= 0 || keycode < minKeycode_) return {};
        const auto width = static_cast<size_t>(perKeycode_);
        const size_t start = static_cast<size_t>(keycode - minKeycode_) * width;
        if (start + width > syms_.size()) return {};
        return std::span<const quint32>(syms_).subspan(start, width);
    }

    void fetch(xcb_connection_t* connection) {
        connection_ = connection;
        syms_.clear();
        perKeycode_ = 0;
        const xcb_setup_t* setup = xcb_get_setup(connection);
        if (!setup) return;
        minKeycode_ = setup->min_keycode;
        const auto count = static_cast<uint8_t>(setup->max_keycode - setup->min_keycode + 1);
        const xcb_get_keyboard_mapping_cookie_t cookie =
            xcb_get_keyboard_mapping(connection, setup->min_keycode, count);
        const std::unique_ptr<xcb_get_keyboard_mapping_reply_t, decltype(&std::free)> reply(
            xcb_get_keyboard_mapping_reply(connection, cookie, nullptr), &std::free);
        if (!reply) return;
        const xcb_keysym_t* syms = xcb_get_keyboard_mapping_keysyms(reply.get());
        syms_.assign(syms, syms + xcb_get_keyboard_mapping_keysyms_length(reply.get()));
        perKeycode_ = reply->keysyms_per_keycode;
    }

    xcb_connection_t* connection_ = nullptr;
    int minKeycode_ = 0;
    int perKeycode_ = 0;
    std::vector<quint32> syms_;
    std::pair<int, quint32> lastMiss_{-1, 0};
};

// On X11 Qt reports the keycode as the scan code, the symbol it typed as the virtual key, and
// the core event state (keyboard group in bits 13-14) as the native modifiers.
int keymapKey(const QKeyEvent& event) {
    if (event.nativeScanCode() == 0 || !qGuiApp) return 0;
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (!x11 || !x11->connection()) return 0;
    static CoreKeyboardMap keyboardMap;
    const auto row = keyboardMap.row(x11->connection(), static_cast<int>(event.nativeScanCode()),
                                     event.nativeVirtualKey());
    return virtualKeyForKeysymRow(row, static_cast<int>((event.nativeModifiers() >> 13) & 3));
}

#else

int keymapKey(const QKeyEvent&) { return 0; }

#endif

}  // namespace

int virtualKeyFor(const QKeyEvent& event) {
    if (const int key = keymapKey(event)) return key;
    const int qtKey = event.key();
    if (const int key = virtualKeyFor(qtKey)) return key;
    // Without a keymap the symbol is all there is; Shift says it is the upper one of its key.
    if (event.modifiers() & Qt::ShiftModifier) return usShiftedSymbolKey(static_cast<quint32>(qtKey));
    return 0;
}

int virtualKeyFor(int qtKey) {
    if (qtKey >= Qt::Key_Space && qtKey <= Qt::Key_AsciiTilde) return characterKey(static_cast<quint32>(qtKey));
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F24) return vk::F1 + (qtKey - Qt::Key_F1);
    switch (qtKey) {
        case Qt::Key_Backspace: return vk::Back;
        case Qt::Key_Tab:
        case Qt::Key_Backtab: return vk::Tab;
        case Qt::Key_Return:
        case Qt::Key_Enter: return vk::Return;
        case Qt::Key_PageUp: return vk::Prior;
        case Qt::Key_PageDown: return vk::Next;
        case Qt::Key_End: return vk::End;
        case Qt::Key_Home: return vk::Home;
        case Qt::Key_Left: return vk::Left;
        case Qt::Key_Up: return vk::Up;
        case Qt::Key_Right: return vk::Right;
        case Qt::Key_Down: return vk::Down;
        case Qt::Key_Insert: return vk::Insert;
        case Qt::Key_Delete: return vk::Delete;
        default: return 0;
    }
}

// The key's base symbol names it; a key whose base symbol names nothing but whose shifted one is a
// digit is that digit (the French digit row). A layout without Latin letters falls back to the
// first group, so Ctrl+C still copies there.
int virtualKeyForKeysymRow(std::span<const quint32> row, int group) {
    const int groups[] = {group > 1 ? 0 : group, 0};
    for (int candidate : groups) {
        const size_t base = static_cast<size_t>(candidate) * 2;
        if (base >= row.size()) continue;
        if (const int key = characterKey(row[base])) return key;
        if (base + 1 < row.size() && isDigit(row[base + 1])) return static_cast<int>(row[base + 1]);
    }
    return 0;
}

TShiftState shiftStateFor(Qt::KeyboardModifiers modifiers) {
    TShiftState shift = ssNone;
    if (modifiers & Qt::ShiftModifier) shift |= ssShift;
    if (modifiers & Qt::ControlModifier) shift |= ssCtrl;
    if (modifiers & Qt::AltModifier) shift |= ssAlt;
    return shift;
}

}  // namespace veyrin
