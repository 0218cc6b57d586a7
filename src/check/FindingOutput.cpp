#include "check/FindingOutput.h"

#include <QJsonDocument>
#include <QJsonObject>

namespace vantrel::check {

std::string FindingAsJsonLine(const Finding& finding) {
    QJsonObject object;
    // File names are taken as UTF-8, the file system's encoding here; texts are ASCII.
    object.insert("file", QString::fromStdString(finding.file));
    object.insert("line", finding.line);
    object.insert("severity", SeverityWord(finding.severity));
    object.insert("text", QString::fromStdString(finding.text));
    return QJsonDocument(object).toJson(QJsonDocument::Compact).toStdString();
}

}  // namespace vantrel::check
