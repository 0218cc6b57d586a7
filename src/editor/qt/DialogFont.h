#pragma once

#include <QFont>
#include <QString>

// The one small face the editor's windows are laid out for: their controls are measured in twips
// for an 8-point sans-serif face, and the desktop's default font (often 9 or 10 points) clips their
// captions. Arial where the system has it, a metric-compatible sans-serif otherwise.
namespace vantrel {

inline QFont DialogFont() {
    QFont font(QStringLiteral("Arial"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSize(8);
    return font;
}

}  // namespace vantrel
