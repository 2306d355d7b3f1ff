#pragma once
// Button and menu icons: the desktop theme's icon when it has one, otherwise a small
// picture drawn here, so the program looks the same on a bare system.

#include <QIcon>

namespace tarvenik {

enum class IconKind {
    Calculation,
    Names,
    NameDays,
    Dreams,
    Horoscopes,
    Quotes,
    Other,
    Settings,
    Quit,
    Internet,
    Update,
    Help,
    About,
    Save,
    Add,
    Edit,
    Delete,
    Ok,
    Cancel,
    Close,
    Mail,
    Chat,
    Print,
    Reminders,
    Import,
    Export,
};

QIcon themedIcon(IconKind kind);

} // namespace tarvenik
