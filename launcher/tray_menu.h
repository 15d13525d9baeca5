#pragma once
// The tray menu mnuTray as data: its items in order, with captions, separators, the state at
// start and what each one does. The Win32 side builds the popup menu from this table.
#include <cstddef>
#include <string_view>

namespace papyrka::launcher {

enum class TrayAction { None, OpenLauncher, StartDesigner, OpenAbout, Close };

struct TrayMenuItem {
    std::string_view name;
    std::u16string_view caption;          // "-" for a separator
    bool enabledAtStart = true;
    TrayAction action = TrayAction::None;
    std::u16string_view designerFile;     // for StartDesigner: "\Kryton.exe"

    constexpr bool separator() const { return caption == u"-"; }
};

// "Hlavné MENU" starts disabled because the launcher window is open at start.
inline constexpr TrayMenuItem kTrayMenu[] = {
    {"hlavnemenu", u"Hlavné MENU", false, TrayAction::OpenLauncher, {}},
    {"", u"-", true, TrayAction::None, {}},
    {"kryton", u"Kryton", true, TrayAction::StartDesigner, u"\\Kryton.exe"},
    {"vreckar", u"Vreckar", true, TrayAction::StartDesigner, u"\\Vreckar.exe"},
    {"radirir", u"Radirir", true, TrayAction::StartDesigner, u"\\Radirir.exe"},
    {"kuvertex", u"Kuvertex", true, TrayAction::StartDesigner, u"\\Kuvertex.exe"},
    {"davavazo", u"Davavazo", true, TrayAction::StartDesigner, u"\\Davavazo.exe"},
    {"vevuvez", u"Vevuvez", true, TrayAction::StartDesigner, u"\\Vevuvez.exe"},
    {"zozuraz", u"Rirudiv", true, TrayAction::StartDesigner, u"\\Zozuraz.exe"},
    {"mnuTraySep", u"-", true, TrayAction::None, {}},
    {"oprograme", u"O programe", true, TrayAction::OpenAbout, {}},
    {"mnuTrayClose", u"Koniec", true, TrayAction::Close, {}},
};

inline constexpr int kTrayMenuSize = static_cast<int>(sizeof(kTrayMenu) / sizeof(kTrayMenu[0]));

// Menu command identifiers: the item's position plus a base that keeps clear of 0 (no choice).
inline constexpr unsigned kFirstTrayCommand = 100;
constexpr unsigned TrayCommandId(int position) { return kFirstTrayCommand + static_cast<unsigned>(position); }

// The item a command identifier stands for, or nullptr for one that is not a tray command.
const TrayMenuItem* TrayMenuItemFor(unsigned commandId);
// The position of the item with that name, or -1.
int TrayMenuPosition(std::string_view name);

}  // namespace papyrka::launcher
