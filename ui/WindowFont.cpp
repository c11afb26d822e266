#include "ui/WindowFont.h"

#include <QStringList>

void InstallWindowFontSubstitutes() {
    QFont::insertSubstitutions(QString::fromUtf8(WindowFontFamily),
                               {"MingLiU", "PMingLiU", "AR PL UMing TW"});
}

QFont WindowFont(int logicalDotsPerInch) {
    QFont font(QString::fromUtf8(WindowFontFamily));
    font.setPixelSize((WindowFontDesignPixels * logicalDotsPerInch + 48) / 96);
    return font;
}
