#include "app/qt/TutorialModule.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QOpenGLContext>

QT_BEGIN_NAMESPACE
// QtGui's setter of the context all OpenGL contexts share; the browser engine sets it this way too.
Q_GUI_EXPORT void qt_gl_set_global_share_context(QOpenGLContext* context);
QT_END_NAMESPACE

namespace vantrel {
namespace {

QOpenGLContext* browserShareContext = nullptr;

void DeleteBrowserShareContext() {
    qt_gl_set_global_share_context(nullptr);
    delete browserShareContext;
    browserShareContext = nullptr;
}

// Only the warning that the attribute comes late is dropped: the context it would have made at
// start has just been made. Everything else goes to the handler installed before.
QtMessageHandler handlerBeforeAttribute = nullptr;

void DropLateAttributeWarning(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (!message.contains(QLatin1String("AA_ShareOpenGLContexts")) && handlerBeforeAttribute)
        handlerBeforeAttribute(type, context, message);
}

// The browser draws its pages in OpenGL contexts that share their textures with the window's.
// Linked into a program, the engine has the application make one shared context at start, which
// loads the whole OpenGL stack (some 60 MB) whether a page is ever shown or not. Opened from a
// module after the application exists, it finds no shared context and fails at its first page.
// So the program does here, just before it opens the module, what the application would have
// done at start: one shared context for the process, and the attribute that widgets drawing
// with OpenGL look for.
void PrepareBrowserEngine() {
    if (QOpenGLContext::globalShareContext()) return;
    browserShareContext = new QOpenGLContext;
    browserShareContext->create();
    qt_gl_set_global_share_context(browserShareContext);
    qAddPostRoutine(DeleteBrowserShareContext);
    handlerBeforeAttribute = qInstallMessageHandler(DropLateAttributeWarning);
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    qInstallMessageHandler(handlerBeforeAttribute);
}

}  // namespace

QString TutorialModule::FileName() { return QStringLiteral("libvantrel-tutorial.so"); }

QStringList TutorialModule::SearchPaths() {
    const QDir programFolder(QCoreApplication::applicationDirPath());
    const QString installed = QStringLiteral(VANTREL_TUTORIAL_MODULE_INSTALL_DIR "/") + FileName();
    return {programFolder.filePath(FileName()), QDir::cleanPath(programFolder.filePath(installed))};
}

TutorialModule::TutorialModule(QStringList candidates) : candidates_(std::move(candidates)) {}

TutorialWindowFactory* TutorialModule::factory() {
    if (factory_) return factory_;
    QStringList reasons;
    for (const QString& candidate : candidates_) {
        if (!QFileInfo::exists(candidate)) continue;
        PrepareBrowserEngine();
        loader_.setFileName(candidate);
        // Kept in memory for the rest of the process: its windows' code must outlive any one of them.
        loader_.setLoadHints(QLibrary::PreventUnloadHint);
        if (QObject* instance = loader_.instance()) {
            factory_ = qobject_cast<TutorialWindowFactory*>(instance);
            if (factory_) {
                error_.clear();
                return factory_;
            }
            reasons << QStringLiteral("%1 is not the tutorial module.").arg(candidate);
            loader_.unload();
        } else {
            reasons << loader_.errorString();
        }
    }
    if (reasons.isEmpty()) {
        QStringList folders;
        for (const QString& candidate : candidates_) folders << QFileInfo(candidate).absolutePath();
        reasons << QStringLiteral("%1 was not found in %2.").arg(FileName(), folders.join(QStringLiteral(" or ")));
    }
    error_ = reasons.join(QLatin1Char('\n'));
    return nullptr;
}

}  // namespace vantrel
