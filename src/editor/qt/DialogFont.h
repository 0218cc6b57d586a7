#pragma once

#include <QFont>
#include <QString>
#include <QStringList>

// The faces the windows are laid out for. Their controls are measured in twips for Arial: the
// desktop's default font (often 9 or 10 points, and wider) clips their captions. Where Arial is
// missing, a face with Arial's metrics takes its place (Liberation Sans, from fonts-liberation2,
// a dependency of the program), never the first sans-serif face that happens to be installed.
namespace vantrel {

inline const QStringList& ArialMetricFamilies() {
    static const QStringList families{QStringLiteral("Arial"), QStringLiteral("Liberation Sans"),
                                      QStringLiteral("Arimo")};
    return families;
}

inline QFont ArialFont(qreal pointSize, bool bold = false) {
    QFont font;
    font.setFamilies(ArialMetricFamilies());
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    return font;
}

// The one small face of the editor's windows: frame, menus, dialogs and buttons.
inline QFont DialogFont() { return ArialFont(8); }

}  // namespace vantrel
