#pragma once

#include "calc/SubnetTable.h"
#include "ui/StartPageUrl.h"

#include <QFont>
#include <QIcon>
#include <QList>
#include <QUrl>
#include <QWidget>

class QLabel;
class QLineEdit;
class QPushButton;
class QStandardItemModel;
class QTreeView;
class QWebEngineView;
class TBevelPanel;

// The calculator's one window: banner, address box, Start button, result list and browser pane.
class TfmIpaddress : public QWidget {
    Q_OBJECT

public:
    explicit TfmIpaddress(const QUrl& startPage = QUrl(QString::fromUtf8(DefaultStartPageUrl)),
                          QWidget* parent = nullptr);
    ~TfmIpaddress() override;

    // Components, in tab order first and the rest after.
    QTreeView* const ListView;
    TBevelPanel* const Panel1;
    QWebEngineView* const WebBrowser;
    QLineEdit* const IpaddressEdit;
    QPushButton* const BitBtn1;
    QLabel* const StaticText1;
    QLabel* const Image1;
    const QList<QIcon> ImageList1;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void FormCreate();
    void BitBtn1Click();
    void FormClose(QCloseEvent* event);
    void StartBrowserPane();

    int Scaled(int designLength) const;
    void Place(QWidget* widget, int left, int top, int width, int height) const;
    void SetUpWindow();
    void SetUpListView();
    void SetUpBrowserPane();
    void SetUpAddressControls();
    void SetUpTabOrder();
    bool IsStartKey(const QKeyEvent* event) const;
    void ShowRows(const calc::TSubnetRows& rows);

    const QUrl StartPage;
    const QFont FormFont;
    const int DigitHeight;
    QStandardItemModel* const ListItems;
};
