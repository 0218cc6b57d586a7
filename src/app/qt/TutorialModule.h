#pragma once

#include <QPluginLoader>
#include <QString>
#include <QStringList>

#include "app/qt/TutorialWindowFactory.h"

// The program's side of the tutorial module: finds libvantrel-tutorial.so and opens it the first
// time a tutorial window is wanted. Until then no part of the browser engine is in the process.
// The module stays loaded for the rest of the process once opened.
namespace vantrel {

class TutorialModule {
public:
    // The module's file name, and where the program looks for it, in order: beside the program
    // (the build folder's bin/), then where `cmake --install` puts it, relative to the program.
    static QString FileName();
    static QStringList SearchPaths();

    explicit TutorialModule(QStringList candidates = SearchPaths());

    // The factory of the first candidate that loads; null when none does (see errorString()).
    // Opens the module on the first call only; a failed attempt is tried again on the next call.
    TutorialWindowFactory* factory();
    bool isLoaded() const { return factory_ != nullptr; }
    // Why the module could not be opened, for the user: the paths tried, or the loader's reason.
    QString errorString() const { return error_; }

private:
    QStringList candidates_;
    QPluginLoader loader_;
    TutorialWindowFactory* factory_ = nullptr;
    QString error_;
};

}  // namespace vantrel
