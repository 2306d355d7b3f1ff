#pragma once
// Button and menu icons: the desktop theme's icon when it has one, otherwise a small
// picture drawn here, so the program looks the same on a bare system; and the pictures the
// program always draws itself.

#include <QIcon>
#include <QPixmap>

#include <functional>

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
    Search,
    Filter,
};

QIcon themedIcon(IconKind kind);

// An icon that `make` makes when it is first painted: for icons that are rarely seen but
// costly to make.
QIcon lazyIcon(std::function<QIcon()> make);

// The 16 x 16 sex sign of the report's header: ♀ on a rose disc, ♂ on a blue one.
QPixmap sexIcon(bool female);

} // namespace tarvenik
