#include "editor/qt/DescribedWindow.h"

#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPalette>
#include <QPushButton>
#include <QWidget>
#include <algorithm>
#include <vector>

namespace vantrel {

const QStringList& ArialMetricFamilies() {
    static const QStringList families{QStringLiteral("Arial"), QStringLiteral("Liberation Sans"),
                                      QStringLiteral("Arimo")};
    return families;
}

QFont ToQFont(const ui::FontDescription& description) {
    QStringList families = ArialMetricFamilies();
    if (description.face && !families.contains(ToQString(description.face)))
        families.prepend(ToQString(description.face));
    QFont font;
    font.setFamilies(families);
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(description.points);
    font.setBold(description.bold);
    return font;
}

QRect ToQRect(const ui::TwipsRect& twips) {
    const ui::PixelRect pixels = ui::ToPixels(twips);
    return QRect(pixels.left, pixels.top, pixels.width, pixels.height);
}

QKeySequence ToKeySequence(const ui::Shortcut& shortcut) {
    if (shortcut.empty()) return {};
    Qt::KeyboardModifiers modifiers;
    if (shortcut.modifiers & ui::Shortcut::kCtrl) modifiers |= Qt::ControlModifier;
    if (shortcut.modifiers & ui::Shortcut::kShift) modifiers |= Qt::ShiftModifier;
    if (shortcut.modifiers & ui::Shortcut::kAlt) modifiers |= Qt::AltModifier;
    Qt::Key key;
    switch (shortcut.key) {
        case ui::Shortcut::kEscape:
            key = Qt::Key_Escape;
            break;
        case ui::Shortcut::kF2:
            key = Qt::Key_F2;
            break;
        default:
            // Letters, digits, '+', '-' and '=' have their character codes as Qt's key codes.
            key = static_cast<Qt::Key>(shortcut.key);
            break;
    }
    return QKeySequence(QKeyCombination(modifiers, key));
}

namespace {

QWidget* StandardControl(const ui::ControlDescription& control, QWidget* parent) {
    const QString text = ToQString(control.text);
    switch (control.kind) {
        case ui::ControlKind::Frame:
            return new QGroupBox(parent);
        case ui::ControlKind::Label: {
            auto* label = new QLabel(text, parent);
            label->setTextFormat(Qt::PlainText);
            return label;
        }
        case ui::ControlKind::Picture:
        case ui::ControlKind::Image:
            return new QLabel(parent);
        case ui::ControlKind::TextBox:
            return new QLineEdit(text, parent);
        case ui::ControlKind::ComboBox: {
            auto* combo = new QComboBox(parent);
            combo->setEditable(false);
            return combo;
        }
        case ui::ControlKind::Button:
            return new QPushButton(text, parent);
        case ui::ControlKind::Line: {
            auto* line = new QFrame(parent);
            line->setAutoFillBackground(true);
            return line;
        }
        case ui::ControlKind::ListBox:
            return new QListWidget(parent);
        case ui::ControlKind::Browser:
            break;
    }
    return nullptr;
}

void ApplyColour(QWidget* widget, const ui::ControlDescription& control) {
    if (control.colour == ui::kDefaultColour) return;
    const QColor colour(static_cast<int>((control.colour >> 16) & 255), static_cast<int>((control.colour >> 8) & 255),
                        static_cast<int>(control.colour & 255));
    QPalette palette = widget->palette();
    // A line is its colour; a label's colour is its text's.
    palette.setColor(control.kind == ui::ControlKind::Line ? QPalette::Window : QPalette::WindowText, colour);
    widget->setPalette(palette);
}

}  // namespace

DescribedControls BuildControls(const ui::WindowDescription& window, QWidget* client, const ControlFactory& makeOwn) {
    DescribedControls made;
    std::vector<std::pair<int, QWidget*>> focusOrder;
    for (const ui::ControlDescription& control : window.controls) {
        if (control.kind == ui::ControlKind::Browser) continue;
        QWidget* parent = control.parent ? made(control.parent) : client;
        if (!parent) parent = client;
        QWidget* widget = makeOwn ? makeOwn(control, parent) : nullptr;
        if (!widget) widget = StandardControl(control, parent);
        widget->setObjectName(ToQString(control.name));
        if (control.index >= 0) widget->setProperty("index", control.index);
        widget->setGeometry(ToQRect(control.place));
        widget->setFont(ToQFont(control.font));
        ApplyColour(widget, control);
        made.add(control, widget);
        if (control.tabIndex >= 0 && (widget->focusPolicy() & Qt::TabFocus))
            focusOrder.emplace_back(control.tabIndex, widget);
    }
    std::stable_sort(focusOrder.begin(), focusOrder.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    for (std::size_t i = 1; i < focusOrder.size(); ++i)
        QWidget::setTabOrder(focusOrder[i - 1].second, focusOrder[i].second);
    return made;
}

}  // namespace vantrel
