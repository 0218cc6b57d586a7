#pragma once

#include <QtPlugin>

class QWidget;

// What the tutorial module gives the program: the online tutorial window, made on demand. The
// window and its browser engine live in a module of their own (libvantrel-tutorial.so), which the
// program opens only when the tutorial is first asked for, so that a start that never shows the
// tutorial never loads the browser engine.
namespace vantrel {

class TutorialWindowFactory {
public:
    virtual ~TutorialWindowFactory() = default;
    // A new tutorial window, not yet shown, loading the tutorial address. It deletes itself when closed.
    virtual QWidget* CreateOnlineTutorial() = 0;
};

}  // namespace vantrel

#define VANTREL_TUTORIAL_WINDOW_FACTORY_IID "org.example.Vantrel.TutorialWindowFactory/1"
Q_DECLARE_INTERFACE(vantrel::TutorialWindowFactory, VANTREL_TUTORIAL_WINDOW_FACTORY_IID)
