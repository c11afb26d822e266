#include "ui/IpAddress.h"

#include "calc/SubnetTable.h"
#include "ui/BevelPanel.h"
#include "ui/ButtonGlyph.h"
#include "ui/FocusedSelectionDelegate.h"
#include "ui/HandlerBoundary.h"
#include "ui/IdleStart.h"
#include "ui/LayoutScale.h"
#include "ui/PrivateProfile.h"
#include "ui/StartPage.h"
#include "ui/WindowFont.h"

#include <QAccessibleWidget>
#include <QCloseEvent>
#include <QFontMetrics>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QQuickWidget>
#include <QScreen>
#include <QStandardItemModel>
#include <QTreeView>
#include <QWebEngineView>
#include <chrono>
#include <limits>

namespace {

constexpr char WindowCaption[] = "Sorvan IP Subnet Calc";
constexpr QColor Navy(0, 0, 128);
constexpr std::chrono::milliseconds BrowserStartQuietTime(250);

struct ColumnDesign {
    const char* caption;
    int width;
};
constexpr std::array<ColumnDesign, 5> ListColumns = {{{"IP Qty.", 100},
                                                      {"Start IP", 120},
                                                      {"End IP", 120},
                                                      {"Subnet Mask", 120},
                                                      {"Brocase IP", 120}}};

QList<QIcon> LoadImageList() {
    QList<QIcon> pictures;
    for (int index = 0; index < 5; ++index) {
        pictures.append(QIcon(QStringLiteral(":/artwork/row-%1.png").arg(index)));
    }
    return pictures;
}

QIcon ApplicationIcon() {
    QIcon icon;
    for (const int size : {16, 24, 32, 48, 64, 72, 96, 128}) {
        icon.addFile(QStringLiteral(":/artwork/subnetcalc-%1.png").arg(size), QSize(size, size));
    }
    return icon;
}

void UseNavyText(QWidget* widget) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, Navy);
    palette.setColor(QPalette::ButtonText, Navy);
    widget->setPalette(palette);
}

int LogicalDotsPerInch() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? qRound(screen->logicalDotsPerInchY()) : 96;
}

// Screen readers introduce a top-level window by its role; a plain QWidget calls itself a client
// area, so this window says it is a window.
QAccessibleInterface* WindowAccessible(const QString& className, QObject* object) {
    if (className == QLatin1String(TfmIpaddress::staticMetaObject.className())) {
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Window);
    }
    return nullptr;
}

bool IsEnterKey(const QKeyEvent* event) {
    return event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
}

QList<QStandardItem*> RowItems(const calc::TSubnetRow& row, const QIcon& picture) {
    auto* first = new QStandardItem(picture, QString::fromStdString(row.IpQty));
    first->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable);
    QList<QStandardItem*> items{first};
    for (const std::string* text : {&row.StartIp, &row.EndIp, &row.SubnetMask, &row.BroadcastIp}) {
        auto* item = new QStandardItem(QString::fromStdString(*text));
        item->setFlags(Qt::ItemIsEnabled);
        items.append(item);
    }
    return items;
}

} // namespace

TfmIpaddress::TfmIpaddress(const QUrl& startPage, QWidget* parent)
    : QWidget(parent), ListView(new QTreeView(this)), Panel1(new TBevelPanel(this)),
      WebBrowser(new QWebEngineView(Panel1)), IpaddressEdit(new QLineEdit(this)),
      BitBtn1(new QPushButton(this)), StaticText1(new QLabel(this)), Image1(new QLabel(this)),
      ImageList1(LoadImageList()), StartPage(startPage), FormFont(WindowFont(LogicalDotsPerInch())),
      DigitHeight(QFontMetrics(FormFont).height()),
      ListItems(new QStandardItemModel(0, ListColumns.size(), this)) {
    setObjectName("fmIpaddress");
    QAccessible::installFactory(WindowAccessible);
    SetUpWindow();
    SetUpListView();
    SetUpBrowserPane();
    SetUpAddressControls();
    SetUpTabOrder();
    // The first control in tab order has the focus when the window first becomes active.
    ListView->setFocus();
    RunHandler([this] { FormCreate(); });
}

// The page must go before the profile it uses, and children are deleted only after this body.
TfmIpaddress::~TfmIpaddress() {
    delete WebBrowser;
}

int TfmIpaddress::Scaled(int designLength) const {
    return ScaleLength(designLength, DigitHeight);
}

void TfmIpaddress::Place(QWidget* widget, int left, int top, int width, int height) const {
    widget->setGeometry(Scaled(left), Scaled(top), Scaled(width), Scaled(height));
}

void TfmIpaddress::SetUpWindow() {
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    setWindowTitle(QString::fromUtf8(WindowCaption));
    setWindowIcon(ApplicationIcon());
    setFont(FormFont);
    setBackgroundRole(QPalette::Button);
    setAutoFillBackground(true);
    setFixedSize(Scaled(815), Scaled(483));
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect frame(QPoint(), frameGeometry().size());
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }

    Image1->setObjectName("Image1");
    Image1->setPixmap(QPixmap(":/artwork/banner.gif"));
    Image1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Place(Image1, 0, 0, 815, 89);
    Image1->lower();
}

void TfmIpaddress::SetUpListView() {
    ListView->setObjectName("ListView");
    Place(ListView, 0, 89, 815, 287);
    ListView->setModel(ListItems);
    ListView->setItemDelegate(new TFocusedSelectionDelegate(ListView));
    ListView->setRootIsDecorated(false);
    ListView->setItemsExpandable(false);
    ListView->setUniformRowHeights(true);
    ListView->setSortingEnabled(false);
    ListView->setSelectionMode(QAbstractItemView::SingleSelection);
    ListView->setSelectionBehavior(QAbstractItemView::SelectItems);
    ListView->setEditTriggers(QAbstractItemView::SelectedClicked |
                              QAbstractItemView::EditKeyPressed);
    ListView->setIconSize(QSize(16, 16));

    for (int column = 0; column < int(ListColumns.size()); ++column) {
        auto* header = new QStandardItem(QString::fromUtf8(ListColumns[column].caption));
        if (column == 0) {
            header->setIcon(ImageList1.front());
        }
        ListItems->setHorizontalHeaderItem(column, header);
    }
    QHeaderView* header = ListView->header();
    header->setSectionsMovable(false);
    header->setSectionsClickable(false);
    header->setStretchLastSection(false);
    header->setSectionResizeMode(QHeaderView::Interactive);
    header->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    for (int column = 0; column < int(ListColumns.size()); ++column) {
        header->resizeSection(column, Scaled(ListColumns[column].width));
    }
}

void TfmIpaddress::SetUpBrowserPane() {
    Panel1->setObjectName("Panel1");
    Panel1->setFocusPolicy(Qt::NoFocus);
    Place(Panel1, 0, 376, 815, 107);

    WebBrowser->setObjectName("WebBrowser");
    Place(WebBrowser, 2, 2, 811, 103);
    // Hidden until it has a page of its own: a view shown without one makes a default page.
    WebBrowser->hide();
    // The view draws its page through OpenGL. Qt composes a window that holds such a widget
    // with OpenGL, and re-creates a window that is already on screen when the first one arrives
    // (the window blinks, and clicks and keys sent meanwhile are lost). A hidden one from the
    // start has the window made for OpenGL at once.
    (new QQuickWidget(Panel1))->hide();
    // The page's own focus widget appears only once it starts loading, at the end of the chain.
    connect(WebBrowser, &QWebEngineView::loadStarted, this, [this] { SetUpTabOrder(); });
}

void TfmIpaddress::SetUpAddressControls() {
    IpaddressEdit->setObjectName("IpaddressEdit");
    IpaddressEdit->setMaxLength(std::numeric_limits<int>::max());
    IpaddressEdit->setGeometry(Scaled(424), Scaled(38), Scaled(157),
                               QFontMetrics(font()).height() + 8);

    QFont captionFont = font();
    captionFont.setPixelSize(Scaled(font().pixelSize()));

    BitBtn1->setObjectName("BitBtn1");
    BitBtn1->setText("Start");
    BitBtn1->setFont(captionFont);
    UseNavyText(BitBtn1);
    BitBtn1->setIcon(ButtonGlyph(QImage(":/artwork/start-glyph.png")));
    BitBtn1->setIconSize(QSize(18, 18));
    BitBtn1->setDefault(true);
    BitBtn1->installEventFilter(this);
    Place(BitBtn1, 584, 36, 75, 25);
    connect(BitBtn1, &QPushButton::clicked, this,
            [this] { RunHandler([this] { BitBtn1Click(); }); });

    StaticText1->setObjectName("StaticText1");
    StaticText1->setText("IP Address:");
    StaticText1->setFont(captionFont);
    UseNavyText(StaticText1);
    StaticText1->setMargin(2);
    StaticText1->setBuddy(IpaddressEdit);
    StaticText1->move(Scaled(340), Scaled(40));
    StaticText1->resize(StaticText1->sizeHint());
}

void TfmIpaddress::SetUpTabOrder() {
    setTabOrder(ListView, WebBrowser);
    setTabOrder(WebBrowser, IpaddressEdit);
    setTabOrder(IpaddressEdit, BitBtn1);
    setTabOrder(BitBtn1, ListView);
}

// Starting the engine takes longer than building and painting the whole window, and holds up
// keys and clicks while it runs; nothing in the window waits for the page. So the navigation
// asked for here starts once the window is on screen and the user has paused.
void TfmIpaddress::FormCreate() {
    RunWhenIdleAfterFirstPaint(this, BrowserStartQuietTime,
                               [this] { RunHandler([this] { StartBrowserPane(); }); });
}

void TfmIpaddress::StartBrowserPane() {
    WebBrowser->setPage(new TStartPage(NewPrivateProfile(this), WebBrowser));
    WebBrowser->show();
    WebBrowser->load(StartPage);
}

void TfmIpaddress::BitBtn1Click() {
    const auto rows = calc::BuildSubnetRows(IpaddressEdit->text().toStdString());
    if (rows) {
        ShowRows(*rows);
    }
}

void TfmIpaddress::FormClose(QCloseEvent* event) {
    setAttribute(Qt::WA_DeleteOnClose);
    event->accept();
}

void TfmIpaddress::ShowRows(const calc::TSubnetRows& rows) {
    ListItems->removeRows(0, ListItems->rowCount());
    for (const calc::TSubnetRow& row : rows) {
        ListItems->appendRow(RowItems(row, ImageList1.front()));
    }
}

// Enter runs Start from the list, the address box and the button; inside the browser pane the
// page has it. Shift, Ctrl or Alt held means something else.
bool TfmIpaddress::IsStartKey(const QKeyEvent* event) const {
    const bool enter = IsEnterKey(event);
    const bool modified =
        event->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
    const QWidget* focus = focusWidget();
    const bool fromControl = focus == ListView || focus == IpaddressEdit || focus == BitBtn1;
    return enter && !modified && fromControl;
}

void TfmIpaddress::keyPressEvent(QKeyEvent* event) {
    if (IsStartKey(event)) {
        BitBtn1->click();
        return;
    }
    QWidget::keyPressEvent(event);
}

// As the default button, BitBtn1 would click on Enter whatever modifiers are held; Enter on it
// follows the window's rule instead.
bool TfmIpaddress::eventFilter(QObject* watched, QEvent* event) {
    if (watched == BitBtn1 && event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (IsEnterKey(key)) {
            keyPressEvent(key);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void TfmIpaddress::closeEvent(QCloseEvent* event) {
    RunHandler([this, event] { FormClose(event); });
}
