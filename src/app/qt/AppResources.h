#pragma once

#include <QString>

// The pictures and the page shipped inside the program (resources/app.qrc), and the main
// window's icon, which the editor ships.
namespace vantrel::AppResources {

inline const QString kSplashBannerTop = QStringLiteral(":/vantrel/app/banner_top.png");
inline const QString kSplashBannerBottom = QStringLiteral(":/vantrel/app/banner_bottom.png");
inline const QString kTutorialPage = QStringLiteral("qrc:/vantrel/app/tutorial/index.html");
inline const QString kApplicationIcon = QStringLiteral(":/vantrel/icon48.png");

}  // namespace vantrel::AppResources
