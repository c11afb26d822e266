#pragma once

#include <QApplication>
#include <QString>
#include <exception>

// The application object: sets up the window font's substitutes and owns the error handler
// that every event handler's exceptions end in.
class TApplication : public QApplication {
    Q_OBJECT

public:
    TApplication(int& argc, char** argv);

    // The program file's name as the error boxes' title.
    static QString Title();

    // Shows the error's message in a modal box with the critical icon and one OK button.
    static void HandleException(const std::exception& error);
};
