#include "kit/WindowPalette.h"

namespace {

struct TRoleColour {
    QPalette::ColorRole role;
    QRgb colour;
};

// Active and inactive windows alike.
constexpr TRoleColour kNormal[] = {
    {QPalette::WindowText, 0xFF000000},  {QPalette::Window, 0xFFEFEFEF},
    {QPalette::Button, 0xFFEFEFEF},      {QPalette::ButtonText, 0xFF000000},
    {QPalette::Base, 0xFFFFFFFF},        {QPalette::AlternateBase, 0xFFF7F7F7},
    {QPalette::Text, 0xFF000000},        {QPalette::PlaceholderText, 0x80000000},
    {QPalette::BrightText, 0xFFFFFFFF},  {QPalette::Light, 0xFFFFFFFF},
    {QPalette::Midlight, 0xFFCACACA},    {QPalette::Mid, 0xFFB8B8B8},
    {QPalette::Dark, 0xFF9F9F9F},        {QPalette::Shadow, 0xFF767676},
    {QPalette::Highlight, 0xFF308CC6},   {QPalette::HighlightedText, 0xFFFFFFFF},
    {QPalette::Link, 0xFF0000FF},        {QPalette::LinkVisited, 0xFFFF00FF},
    {QPalette::ToolTipBase, 0xFFFFFFDC}, {QPalette::ToolTipText, 0xFF000000},
};

// What differs for a disabled control.
constexpr TRoleColour kDisabled[] = {
    {QPalette::WindowText, 0xFF808080}, {QPalette::ButtonText, 0xFF808080}, {QPalette::Text, 0xFF808080},
    {QPalette::Base, 0xFFEFEFEF},       {QPalette::Dark, 0xFFBEBEBE},       {QPalette::Shadow, 0xFFB1B1B1},
    {QPalette::Highlight, 0xFF919191},
};

} // namespace

QPalette ProgramPalette()
{
    QPalette palette;
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        for (const TRoleColour &entry : kNormal)
            palette.setColor(group, entry.role, QColor::fromRgba(entry.colour));
    for (const TRoleColour &entry : kDisabled)
        palette.setColor(QPalette::Disabled, entry.role, QColor::fromRgba(entry.colour));
    return palette;
}
