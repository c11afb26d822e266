#include "ui/ApplicationTitle.h"

#include <QFileInfo>

QString ApplicationTitle(const QString& programPath) {
    const QString fileName = QFileInfo(programPath).fileName();
    const QString stem = fileName.left(fileName.indexOf(u'.'));
    return stem.left(1) + stem.mid(1).toLower();
}
