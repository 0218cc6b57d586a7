// The tutorial module's entry: a Qt plugin whose one object makes tutorial windows.
#include <QObject>

#include "app/qt/TutorialWindowFactory.h"
#include "app/qt/frmOnlineTut.h"

namespace vantrel {

class TutorialPlugin : public QObject, public TutorialWindowFactory {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID VANTREL_TUTORIAL_WINDOW_FACTORY_IID)
    Q_INTERFACES(vantrel::TutorialWindowFactory)

public:
    QWidget* CreateOnlineTutorial() override { return new frmOnlineTut(); }
};

}  // namespace vantrel

#include "TutorialPlugin.moc"
