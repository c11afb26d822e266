#include "ui/Application.h"

#include "ui/ApplicationTitle.h"
#include "ui/ErrorBoxText.h"
#include "ui/WindowFont.h"

#include <QMessageBox>

TApplication::TApplication(int& argc, char** argv) : QApplication(argc, argv) {
    InstallWindowFontSubstitutes();
}

QString TApplication::Title() {
    return ApplicationTitle(applicationFilePath());
}

void TApplication::HandleException(const std::exception& error) {
    QMessageBox box(QMessageBox::Critical, Title(), ErrorBoxText(QString::fromUtf8(error.what())),
                    QMessageBox::Ok, activeWindow());
    box.exec();
}
