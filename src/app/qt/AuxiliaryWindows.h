#pragma once

#include <QObject>

#include "app/qt/SingleWindow.h"
#include "app/qt/frmAbout.h"
#include "app/qt/frmOnlineTut.h"

// The About dialog and the tutorial window that the main window's Help menu opens, one of each
// per process. Windows still open when this goes are closed with it.
namespace vantrel {

class AuxiliaryWindows : public QObject {
    Q_OBJECT

public:
    explicit AuxiliaryWindows(QObject* parent = nullptr);

    frmAbout* about() const { return about_.window(); }
    frmOnlineTut* onlineTutorial() const { return onlineTutorial_.window(); }

public slots:
    void ShowAbout();
    void ShowOnlineTutorial();

private:
    SingleWindow<frmAbout> about_;
    SingleWindow<frmOnlineTut> onlineTutorial_;
};

}  // namespace vantrel
