#pragma once

#include <QWebEnginePage>

// The browser pane's page. It may show whatever its server sends, but it cannot open windows,
// pick files from the disk or be granted any permission.
class TStartPage : public QWebEnginePage {
    Q_OBJECT

public:
    TStartPage(QWebEngineProfile* profile, QObject* parent);

protected:
    QWebEnginePage* createWindow(WebWindowType type) override;
    QStringList chooseFiles(FileSelectionMode mode, const QStringList& oldFiles,
                            const QStringList& acceptedMimeTypes) override;
};
