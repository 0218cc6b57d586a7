#pragma once

// Checks a real Qt window against its toolkit-free description: every control where the
// description puts it, in its face and with its design text; and, measured in the fonts the
// controls really use, that every caption fits its control. Shared by the editor's and the
// start-up windows' tests.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QWidget>
#include <set>
#include <string>

#include "editor/qt/DescribedWindow.h"
#include "ui/WindowDescriptions.h"

namespace vantrel::test {

inline QWidget* FindControl(const QWidget* window, const ui::ControlDescription& control) {
    for (QWidget* widget : window->findChildren<QWidget*>(QString::fromUtf8(control.name)))
        if (control.index < 0 || widget->property("index").toInt() == control.index) return widget;
    return nullptr;
}

// Controls whose text and size the window sets when it loads (the version line, a picture's own
// size) are checked for their place and face only.
inline void ExpectBuiltFrom(const QWidget* window, const ui::WindowDescription& description,
                            const std::set<std::string>& setOnLoad = {}) {
    for (const ui::ControlDescription& control : description.controls) {
        if (control.kind == ui::ControlKind::Browser) continue;
        const std::string name = std::string(control.name) + (control.index >= 0 ? std::to_string(control.index) : "");
        SCOPED_TRACE(name);
        QWidget* widget = FindControl(window, control);
        ASSERT_NE(widget, nullptr);
        if (control.parent) {
            EXPECT_EQ(widget->parentWidget()->objectName(), QString::fromUtf8(control.parent));
        }
        const ui::PixelRect place = ui::ToPixels(control.place);
        EXPECT_EQ(widget->pos(), QPoint(place.left, place.top));
        const bool loaded = setOnLoad.count(control.name) > 0;
        if (!loaded) {
            EXPECT_EQ(widget->size(), QSize(place.width, place.height));
        }
        const QFontInfo face(widget->font());
        if (control.font.face) {
            EXPECT_EQ(widget->font().family(), QString::fromUtf8(control.font.face));
        }
        EXPECT_TRUE(ArialMetricFamilies().contains(face.family())) << "resolved to " << face.family().toStdString();
        EXPECT_DOUBLE_EQ(widget->font().pointSizeF(), control.font.points);
        EXPECT_EQ(widget->font().bold(), control.font.bold);
        if (loaded || !*control.text) continue;
        if (auto* label = qobject_cast<QLabel*>(widget)) {
            EXPECT_EQ(label->text(), QString::fromUtf8(control.text));
        }
        if (auto* button = qobject_cast<QPushButton*>(widget)) {
            EXPECT_EQ(button->text(), QString::fromUtf8(control.text));
        }
    }
}

inline int CaptionWidth(const QWidget* widget, QString caption) {
    caption.remove(QLatin1Char('&'));
    return widget->fontMetrics().horizontalAdvance(caption);
}

// Every caption of the window's labels, buttons, lists and boxes fits its control: a one-line
// label is as wide and as high as its text, a word-wrapped one as high as its lines; a button's
// caption clears the bevel (the style's frame width) by two pixels at both ends; a list or box
// shows one line of text within its border.
inline void ExpectCaptionsFit(const QWidget* window) {
    for (const QLabel* label : window->findChildren<QLabel*>()) {
        if (label->text().isEmpty()) continue;
        SCOPED_TRACE(label->objectName().toStdString() + " \"" + label->text().toStdString() + "\" in " +
                     QFontInfo(label->font()).family().toStdString());
        if (label->wordWrap()) {
            EXPECT_LE(label->heightForWidth(label->width()), label->height()) << "cut off";
        } else {
            EXPECT_LE(CaptionWidth(label, label->text()), label->contentsRect().width());
            EXPECT_LE(label->fontMetrics().height(), label->height());
        }
    }
    for (const QPushButton* button : window->findChildren<QPushButton*>()) {
        const int margin = button->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, button) + 2;
        EXPECT_LE(CaptionWidth(button, button->text()) + 2 * margin, button->width())
            << button->objectName().toStdString() << " \"" << button->text().toStdString() << "\"";
        EXPECT_LE(button->fontMetrics().height(), button->height() - 2 * margin) << button->objectName().toStdString();
    }
    for (const QComboBox* list : window->findChildren<QComboBox*>())
        EXPECT_LE(list->fontMetrics().height(), list->height() - 4) << list->objectName().toStdString();
    for (const QLineEdit* box : window->findChildren<QLineEdit*>())
        EXPECT_LE(box->fontMetrics().height(), box->height() - 2) << box->objectName().toStdString();
}

}  // namespace vantrel::test
