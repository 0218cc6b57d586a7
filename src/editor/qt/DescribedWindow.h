#pragma once

#include <QFont>
#include <QHash>
#include <QKeySequence>
#include <QRect>
#include <QString>
#include <QStringList>
#include <functional>

#include "ui/MenuDescription.h"
#include "ui/WindowDescriptions.h"

class QWidget;

// Realises the toolkit-free description of a window (ui/WindowDescriptions.h, ui/MenuDescription.h)
// with Qt widgets: faces, places, texts, shortcuts and the keyboard order. Places are Qt's logical
// pixels at 15 twips to the pixel; on a scaled display Qt scales them, and the fonts, with the
// display, so the layout keeps its proportions.
namespace vantrel {

// The faces the windows are laid out for. Their controls are measured in twips for Arial: the
// desktop's default font (often 9 or 10 points, and wider) clips their captions. Where Arial is
// missing, a face with Arial's metrics takes its place (Liberation Sans, from fonts-liberation2,
// a dependency of the program), never the first sans-serif face that happens to be installed.
const QStringList& ArialMetricFamilies();
QFont ToQFont(const ui::FontDescription& font);
// The one small face of the windows: frame, menus, dialogs and buttons.
inline QFont DialogFont() { return ToQFont(ui::kDialogFont); }

inline QString ToQString(const char* text) { return QString::fromUtf8(text ? text : ""); }
QRect ToQRect(const ui::TwipsRect& twips);
QKeySequence ToKeySequence(const ui::Shortcut& shortcut);

// The widgets made for a window's controls, by name and index within a control array.
class DescribedControls {
public:
    QWidget* operator()(const char* name, int index = -1) const { return widgets_.value(Key(name, index)); }
    template <typename T>
    T* get(const char* name, int index = -1) const {
        return static_cast<T*>((*this)(name, index));
    }
    void add(const ui::ControlDescription& control, QWidget* widget) { widgets_.insert(Key(control.name, control.index), widget); }

private:
    static QString Key(const char* name, int index) { return ToQString(name) + QLatin1Char('/') + QString::number(index); }
    QHash<QString, QWidget*> widgets_;
};

// Makes a window's own kind of widget for a control (the main window's frame that swallows mouse
// presses, say); returns null to take the standard one.
using ControlFactory = std::function<QWidget*(const ui::ControlDescription& control, QWidget* parent)>;

// Creates every control of the window (the browser excepted) in `client`, each in its parent
// control: named ("index" property for control arrays), placed, in its face, with its design text
// and colour. The controls that take the focus are chained in their tab order. Standard widgets:
// a frame is a QGroupBox, a label, picture or image a QLabel, a text box a QLineEdit, a combo box a
// QComboBox, a list box a QListWidget, a button a QPushButton, a line a QFrame filled with its colour.
DescribedControls BuildControls(const ui::WindowDescription& window, QWidget* client,
                                const ControlFactory& makeOwn = {});

}  // namespace vantrel
