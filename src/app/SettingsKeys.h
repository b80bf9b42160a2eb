#pragma once

// Every fixed section/key of the settings store, with the text a reader gets
// when the entry is missing. Defaults are in the stored text form, so a
// default and a stored value go through the same conversion.
//
// Keys that are built at run time (favourite slots, recent colours, window
// placements) have their section and name parts here; the code that owns
// them puts the pieces together.

// One entry of the store. All names are plain ASCII.
struct SettingKey {
    const char *section;
    const char *key;
    const char *defaultValue;
};

// The four entries of one rectangle, each in twips (1/1440 inch) as float
// text.
struct RectSettingKeys {
    SettingKey left;
    SettingKey top;
    SettingKey width;
    SettingKey height;
};

namespace SettingsKeys {

// The store's application name; on Windows also the organisation name.
inline constexpr char ApplicationName[] = "Tintwright";

// Main window rectangle in twips.
inline constexpr SettingKey MainLeft { "Settings", "MainLeft", "1455" };
inline constexpr SettingKey MainTop { "Settings", "MainTop", "1050" };
inline constexpr SettingKey MainWidth { "Settings", "MainWidth", "12495" };
inline constexpr SettingKey MainHeight { "Settings", "MainHeight", "9345" };
inline constexpr RectSettingKeys MainWindowRect { MainLeft, MainTop, MainWidth, MainHeight };

// Whether the colour information panel is shown (True/False). The section is
// spelled in lower case by its owner; the store does not care.
inline constexpr SettingKey ColorInfo { "settings", "color_info", "True" };

// The active colour at the last close and the document-area background, both
// as decimal 0x00BBGGRR values.
inline constexpr SettingKey LastColor { "Prefs", "LastColor", "0" };
inline constexpr SettingKey BackColor { "Prefs", "BackColor", "16777215" };

// Tips at start-up: "1" shown, "0" not shown.
inline constexpr SettingKey ShowTipsAtStartup { "Prefs", "Show Tips at Startup", "1" };

// The vendor's web site: the base address that the update check and every
// web link of the program are built on (an http: or https: address; anything
// else reads as the default), and the contact e-mail address. Both defaults
// are placeholders until the site exists.
inline constexpr SettingKey VendorSite { "Settings", "VendorSite",
    "https://www.tintwright.example" };
inline constexpr SettingKey ContactEMail { "Settings", "ContactEMail",
    "support@tintwright.example" };

// "Yes" once the application state has been saved; missing means nothing to
// restore.
inline constexpr SettingKey RememberState { "System", "RememberState", "" };
inline constexpr char RememberStateYes[] = "Yes";

// Placements of tool windows: "Name_" + name holds the name itself, the
// rectangle is under name + "_Left" and so on. A missing "Name_" entry reads
// as PlacementNoName, which never equals a window name.
inline constexpr char WindowPlacementsSection[] = "WindowPlacements";
inline constexpr char PlacementNamePrefix[] = "Name_";
inline constexpr char PlacementNoName[] = "<none>";
inline constexpr char PlacementLeftSuffix[] = "_Left";
inline constexpr char PlacementTopSuffix[] = "_Top";
inline constexpr char PlacementWidthSuffix[] = "_Width";
inline constexpr char PlacementHeightSuffix[] = "_Height";

// Vector image preview rectangle (twips) and zoom.
inline constexpr SettingKey ImageLeft { "WindowPlacements", "ImageLeft", "0" };
inline constexpr SettingKey ImageTop { "WindowPlacements", "ImageTop", "0" };
inline constexpr SettingKey ImageWidth { "WindowPlacements", "ImageWidth", "3210" };
inline constexpr SettingKey ImageHeight { "WindowPlacements", "ImageHeight", "5400" };
inline constexpr RectSettingKeys ImageWindowRect { ImageLeft, ImageTop, ImageWidth, ImageHeight };
inline constexpr SettingKey ImageZoom { "Misc", "ImageZoom", "1" };

// Placement names of the web page preview and the scroll-bar designer.
inline constexpr char WebPreviewPlacementName[] = "frm_WebPreview";
inline constexpr char ScrollBarPlacementName[] = "frm_ScrollBar";

// Web page preview colours in section WebPreviewSection, decimal
// 0x00BBGGRR: box k under "k" and the page under "bg" (default white), label
// k under "l" + k (default black).
inline constexpr char WebPreviewLabelPrefix[] = "l";
inline constexpr char WebPreviewPageKey[] = "bg";
inline constexpr char WebPreviewBoxDefault[] = "16777215";
inline constexpr char WebPreviewLabelDefault[] = "0";

// Sections whose keys are built by their owners.
inline constexpr char FavoritesSection[] = "Favorites";
inline constexpr char PaletteSection[] = "Palette";
inline constexpr char RecentSection[] = "Recent";

// Favourite slot i: "Favorites"/"Slot_" + i, decimal colour; a missing slot
// reads as the main window's background colour.
inline constexpr char FavoriteSlotPrefix[] = "Slot_";
// Remembered palette cell (r, c): "Palette"/"Slot_" + r + "x" + c, decimal
// colour, -1 (the default) for an empty cell.
inline constexpr char PaletteCellPrefix[] = "Slot_";
inline constexpr char PaletteCellSeparator[] = "x";
inline constexpr char PaletteCellDefault[] = "-1";
// Recent colours: "Count" entries, entry i's colour under key i (decimal,
// default 0) and its caption under "caption_" + i (default empty).
inline constexpr SettingKey RecentCount { "Recent", "Count", "0" };
inline constexpr char RecentColorDefault[] = "0";
inline constexpr char RecentCaptionPrefix[] = "caption_";
inline constexpr char WebPreviewSection[] = "WebPreview";

} // namespace SettingsKeys
