#include "app/qt/AuxiliaryWindows.h"

namespace vantrel {

AuxiliaryWindows::AuxiliaryWindows(QObject* parent)
    : QObject(parent), about_([] { return new frmAbout(); }), onlineTutorial_([] { return new frmOnlineTut(); }) {}

void AuxiliaryWindows::ShowAbout() { about_.Show(); }

void AuxiliaryWindows::ShowOnlineTutorial() { onlineTutorial_.Show(); }

}  // namespace vantrel
