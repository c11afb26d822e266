#include "ui/BrowserServices.h"

#include <QCoreApplication>
#include <QtGlobal>

void PrepareBrowserServices() {
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    qputenv("QT_DISABLE_SHADER_DISK_CACHE", "1");
    qputenv("MESA_SHADER_CACHE_DISABLE", "true");
    qputenv("__GL_SHADER_DISK_CACHE", "0");
}
