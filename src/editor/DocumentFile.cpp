#include "editor/DocumentFile.h"

#include <QFileInfo>
#include <QSaveFile>
#include <QString>

#ifdef _WIN32
#include <io.h>
#else
#include <unistd.h>
#endif

namespace vantrel {

namespace {
bool SyncToDisk(QSaveFile& file) {
    if (!file.flush()) return false;
#ifdef _WIN32
    return _commit(file.handle()) == 0;
#else
    return ::fsync(file.handle()) == 0;
#endif
}
}  // namespace

std::optional<std::string> WriteFileAtomically(const std::string& utf8Path, const std::string& bytes) {
    const QString path = QString::fromStdString(utf8Path);
    if (path.isEmpty()) return std::string("No file name was given.");
    if (QFileInfo(path).isDir()) return std::string("The path names a folder.");

    // No direct-write fallback: a folder that does not let us create the temporary file fails the
    // save rather than writing over the old file in place.
    QSaveFile file(path);
    file.setDirectWriteFallback(false);
    if (!file.open(QIODevice::WriteOnly)) return file.errorString().toStdString();
    if (file.write(bytes.data(), static_cast<qint64>(bytes.size())) != static_cast<qint64>(bytes.size()) ||
        !SyncToDisk(file)) {
        std::string reason = file.errorString().toStdString();
        file.cancelWriting();
        return reason.empty() ? std::string("The file could not be written.") : reason;
    }
    if (!file.commit()) return file.errorString().toStdString();
    return std::nullopt;
}

}  // namespace vantrel
