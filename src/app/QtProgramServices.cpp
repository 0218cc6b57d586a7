#include "app/QtProgramServices.h"

#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

namespace vantrel {

bool QtProgramStarter::StartDetached(const std::string& path) {
    // startDetached reports a program that exists but cannot be executed as a failure too.
    return QProcess::startDetached(QString::fromLocal8Bit(path), {});
}

bool QtFileProbe::IsFile(const std::string& path) const { return QFileInfo(QString::fromLocal8Bit(path)).isFile(); }

std::string QtProgramLocator::FindOnPath(const std::string& name) const {
    return QStandardPaths::findExecutable(QString::fromStdString(name)).toLocal8Bit().toStdString();
}

}  // namespace vantrel
