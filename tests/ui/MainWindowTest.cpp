// The window driven as a user drives it: real key and mouse events, under Xvfb.
#include "PageServer.h"
#include "ui/Application.h"
#include "ui/BrowserServices.h"
#include "ui/IpAddress.h"

#include <QAccessible>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QStandardItemModel>
#include <QTimer>
#include <QTreeView>
#include <QWebEngineDownloadRequest>
#include <QWebEngineProfile>
#include <QWebEngineView>
#include <QtTest>
#include <memory>
#include <optional>

namespace {

using Rows = QList<QStringList>;

const Rows Rows192 = {
    {"1", "192.168.1.10", "192.168.1.10", "255.255.255.255", "192.168.1.10"},
    {"2", "192.168.1.10", "192.168.1.11", "255.255.255.254", "192.168.1.11"},
    {"4", "192.168.1.8", "192.168.1.11", "255.255.255.252", "192.168.1.11"},
    {"8", "192.168.1.8", "192.168.1.15", "255.255.255.248", "192.168.1.15"},
    {"16", "192.168.1.0", "192.168.1.15", "255.255.255.240", "192.168.1.15"},
    {"32", "192.168.1.0", "192.168.1.31", "255.255.255.224", "192.168.1.31"},
    {"64", "192.168.1.0", "192.168.1.63", "255.255.255.192", "192.168.1.63"},
    {"128", "192.168.1.0", "192.168.1.127", "255.255.255.128", "192.168.1.127"},
    {"256", "192.168.1.0", "192.168.1.255", "255.255.255.0", "192.168.1.255"},
};

// What an error box showed before it was answered with a click on OK.
struct SeenBox {
    QString title;
    QString text;
    QString accessibleText;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QList<QAbstractButton*>::size_type buttonCount = 0;
    bool okButton = false;
    bool windowVisible = false;
};

// Watches for the next modal message box, records it and clicks its OK button.
class BoxAnswerer : public QObject {
public:
    explicit BoxAnswerer(const QWidget* window) : Window(window) {
        Poll.setInterval(20);
        connect(&Poll, &QTimer::timeout, this, [this] { Answer(); });
        Poll.start();
    }

    std::optional<SeenBox> Seen;

private:
    void Answer() {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || !box->isVisible()) {
            return;
        }
        Poll.stop();
        SeenBox seen;
        seen.title = box->windowTitle();
        seen.text = box->text();
        seen.icon = box->icon();
        seen.buttonCount = box->buttons().size();
        seen.okButton = box->button(QMessageBox::Ok) != nullptr;
        seen.windowVisible = Window->isVisible();
        seen.accessibleText = AccessibleLabelText(box);
        Seen = seen;
        if (QAbstractButton* ok = box->button(QMessageBox::Ok)) {
            QTest::mouseClick(ok, Qt::LeftButton);
        } else {
            box->reject();
        }
    }

    static QString AccessibleLabelText(QWidget* box) {
        QAccessibleInterface* boxInterface = QAccessible::queryAccessibleInterface(box);
        for (int i = 0; boxInterface && i < boxInterface->childCount(); ++i) {
            QAccessibleInterface* child = boxInterface->child(i);
            if (child && child->role() == QAccessible::StaticText &&
                !child->text(QAccessible::Name).isEmpty()) {
                return child->text(QAccessible::Name);
            }
        }
        return {};
    }

    const QWidget* Window;
    QTimer Poll;
};

} // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void enterFillsTheList();
    void noFourthPartChangesNothing_data();
    void noFourthPartChangesNothing();
    void badFourthPartShowsErrorBox();
    void secondAddressReplacesRows();
    void enterStartsFromEveryControl_data();
    void enterStartsFromEveryControl();
    void modifiedEnterDoesNothing_data();
    void modifiedEnterDoesNothing();
    void buttonRunsOnClickAndSpace_data();
    void buttonRunsOnClickAndSpace();
    void escapeDoesNothing_data();
    void escapeDoesNothing();
    void headerClickKeepsOrder();
    void firstCellOnlyIsEditableAndSelectable();
    void minimiseAndRestoreKeepRows();

    void windowIsFixedAndCentred();
    void componentsHaveDesignGeometry_data();
    void componentsHaveDesignGeometry();
    void listHasDesignColumns();
    void captionsAndColours();
    void firstFocusAndTabOrder();
    void controlsAreAccessible();
    void closingFreesTheWindow();

    void calculationDoesNotWaitForPane();
    void paneStartsWhenUserPauses();
    void windowIsNotRecreatedWhenPaneStarts();
    void startPageIsRequestedOnce();
    void paneUsesPrivateProfile();
    void pagePermissionsAreDenied();
    void downloadsAreRefused();

private:
    void WaitForPane();
    void TypeAddress(const QString& address);
    void Calculate(const QString& address);
    Rows ListRows() const;

    std::unique_ptr<TPageServer> Server;
    QPointer<TfmIpaddress> Window;
};

void MainWindowTest::init() {
    Server = std::make_unique<TPageServer>();
    Window = new TfmIpaddress(Server->Url("/show.php"));
    Window->show();
    Window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(Window));
}

void MainWindowTest::cleanup() {
    delete Window;
    Server.reset();
}

// The pane gets its page only once the window is on screen and the user has paused.
void MainWindowTest::WaitForPane() {
    QTRY_VERIFY_WITH_TIMEOUT(Window->WebBrowser->isVisible(), 10000);
}

void MainWindowTest::TypeAddress(const QString& address) {
    Window->IpaddressEdit->setFocus();
    Window->IpaddressEdit->selectAll();
    QTest::keyClick(Window->IpaddressEdit, Qt::Key_Delete);
    QTest::keyClicks(Window->IpaddressEdit, address);
    QCOMPARE(Window->IpaddressEdit->text(), address);
}

void MainWindowTest::Calculate(const QString& address) {
    TypeAddress(address);
    QTest::keyClick(Window->IpaddressEdit, Qt::Key_Return);
}

Rows MainWindowTest::ListRows() const {
    const QAbstractItemModel* model = Window->ListView->model();
    Rows rows;
    for (int row = 0; row < model->rowCount(); ++row) {
        QStringList texts;
        for (int column = 0; column < model->columnCount(); ++column) {
            texts << model->index(row, column).data().toString();
        }
        rows << texts;
    }
    return rows;
}

void MainWindowTest::enterFillsTheList() {
    QVERIFY(ListRows().isEmpty());
    Calculate("192.168.1.10");
    QCOMPARE(ListRows(), Rows192);

    const QImage firstPicture = Window->ImageList1.front().pixmap(16, 16).toImage();
    const QAbstractItemModel* model = Window->ListView->model();
    for (int row = 0; row < model->rowCount(); ++row) {
        const auto icon = model->index(row, 0).data(Qt::DecorationRole).value<QIcon>();
        QCOMPARE(icon.pixmap(16, 16).toImage(), firstPicture);
        for (int column = 1; column < model->columnCount(); ++column) {
            QVERIFY(model->index(row, column).data(Qt::DecorationRole).isNull());
        }
    }
}

void MainWindowTest::noFourthPartChangesNothing_data() {
    QTest::addColumn<QString>("address");
    QTest::newRow("empty box") << "";
    QTest::newRow("nothing after third dot") << "192.168.1.";
    QTest::newRow("two dots") << "10.0.0";
}

void MainWindowTest::noFourthPartChangesNothing() {
    QFETCH(QString, address);
    BoxAnswerer answerer(Window);

    Calculate(address);
    QVERIFY(ListRows().isEmpty());

    Calculate("192.168.1.10");
    Calculate(address);
    QCOMPARE(ListRows(), Rows192);
    QTest::qWait(100);
    QVERIFY(!answerer.Seen);
}

void MainWindowTest::badFourthPartShowsErrorBox() {
    Calculate("192.168.1.10");
    BoxAnswerer answerer(Window);
    Calculate("10.0.0.abc");

    QVERIFY(answerer.Seen);
    QCOMPARE(answerer.Seen->text, "'abc' is not a valid integer value.");
    QCOMPARE(answerer.Seen->accessibleText, "'abc' is not a valid integer value.");
    QCOMPARE(answerer.Seen->title, TApplication::Title());
    QCOMPARE(answerer.Seen->title, "window_tests");
    QCOMPARE(answerer.Seen->icon, QMessageBox::Critical);
    QCOMPARE(answerer.Seen->buttonCount, 1);
    QVERIFY(answerer.Seen->okButton);
    QVERIFY(answerer.Seen->windowVisible);

    QVERIFY(Window->isVisible());
    QCOMPARE(ListRows(), Rows192);
    QCOMPARE(Window->IpaddressEdit->text(), "10.0.0.abc");

    // The program goes on: the next calculation works as before.
    Calculate("10.0.0.300");
    QCOMPARE(ListRows().at(8),
             (QStringList{"256", "10.0.0.256", "10.0.0.511", "255.255.255.0", "10.0.0.511"}));
}

void MainWindowTest::secondAddressReplacesRows() {
    Calculate("192.168.1.10");
    Calculate("10.0.0.-5");
    const Rows rows = ListRows();
    QCOMPARE(rows.size(), 9);
    QCOMPARE(rows.at(1),
             (QStringList{"2", "10.0.0.-4", "10.0.0.-3", "255.255.255.254", "10.0.0.-3"}));
    QCOMPARE(rows.at(3), (QStringList{"8", "10.0.0.0", "10.0.0.7", "255.255.255.248", "10.0.0.7"}));
    for (const QStringList& row : rows) {
        QVERIFY2(!row.join(' ').contains("192.168"), qPrintable(row.join(' ')));
    }
}

void MainWindowTest::enterStartsFromEveryControl_data() {
    QTest::addColumn<QString>("focus");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::newRow("return in box") << "IpaddressEdit" << int(Qt::Key_Return) << 0;
    QTest::newRow("keypad enter in box")
        << "IpaddressEdit" << int(Qt::Key_Enter) << int(Qt::KeypadModifier);
    QTest::newRow("return in list") << "ListView" << int(Qt::Key_Return) << 0;
    QTest::newRow("keypad enter in list")
        << "ListView" << int(Qt::Key_Enter) << int(Qt::KeypadModifier);
    QTest::newRow("return on button") << "BitBtn1" << int(Qt::Key_Return) << 0;
    QTest::newRow("keypad enter on button")
        << "BitBtn1" << int(Qt::Key_Enter) << int(Qt::KeypadModifier);
}

void MainWindowTest::enterStartsFromEveryControl() {
    QFETCH(QString, focus);
    QFETCH(int, key);
    QFETCH(int, modifiers);
    TypeAddress("192.168.1.10");
    auto* target = Window->findChild<QWidget*>(focus);
    QVERIFY(target);
    target->setFocus();
    QCOMPARE(QApplication::focusWidget(), target);

    QTest::keyClick(target, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    QCOMPARE(ListRows(), Rows192);
}

void MainWindowTest::modifiedEnterDoesNothing_data() {
    QTest::addColumn<QString>("focus");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    const QList<std::pair<const char*, Qt::KeyboardModifiers>> held = {
        {"shift", Qt::ShiftModifier}, {"ctrl", Qt::ControlModifier}, {"alt", Qt::AltModifier}};
    for (const char* focus : {"IpaddressEdit", "ListView", "BitBtn1"}) {
        for (const auto& [name, modifier] : held) {
            QTest::addRow("%s+return in %s", name, focus)
                << focus << int(Qt::Key_Return) << int(modifier);
            QTest::addRow("%s+keypad enter in %s", name, focus)
                << focus << int(Qt::Key_Enter) << int(modifier | Qt::KeypadModifier);
        }
    }
}

void MainWindowTest::modifiedEnterDoesNothing() {
    QFETCH(QString, focus);
    QFETCH(int, key);
    QFETCH(int, modifiers);
    TypeAddress("192.168.1.10");
    auto* target = Window->findChild<QWidget*>(focus);
    target->setFocus();

    QTest::keyClick(target, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    QVERIFY(ListRows().isEmpty());
}

void MainWindowTest::buttonRunsOnClickAndSpace_data() {
    QTest::addColumn<bool>("useMouse");
    QTest::newRow("mouse click") << true;
    QTest::newRow("space bar") << false;
}

void MainWindowTest::buttonRunsOnClickAndSpace() {
    QFETCH(bool, useMouse);
    TypeAddress("192.168.1.10");
    if (useMouse) {
        QTest::mouseClick(Window->BitBtn1, Qt::LeftButton);
    } else {
        Window->BitBtn1->setFocus();
        QTest::keyClick(Window->BitBtn1, Qt::Key_Space);
    }
    QCOMPARE(ListRows(), Rows192);
}

void MainWindowTest::escapeDoesNothing_data() {
    QTest::addColumn<QString>("focus");
    QTest::newRow("in box") << "IpaddressEdit";
    QTest::newRow("in list") << "ListView";
    QTest::newRow("on button") << "BitBtn1";
}

void MainWindowTest::escapeDoesNothing() {
    QFETCH(QString, focus);
    Calculate("192.168.1.10");
    TypeAddress("10.1.2.3");
    auto* target = Window->findChild<QWidget*>(focus);
    target->setFocus();

    QTest::keyClick(target, Qt::Key_Escape);
    QTest::qWait(50);
    QVERIFY(Window);
    QVERIFY(Window->isVisible());
    QCOMPARE(ListRows(), Rows192);
    QCOMPARE(Window->IpaddressEdit->text(), "10.1.2.3");
    QCOMPARE(QApplication::focusWidget(), target);
}

void MainWindowTest::headerClickKeepsOrder() {
    Calculate("192.168.1.10");
    QHeaderView* header = Window->ListView->header();
    for (int column = 0; column < header->count(); ++column) {
        const QPoint middle(header->sectionViewportPosition(column) +
                                header->sectionSize(column) / 2,
                            header->height() / 2);
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, middle);
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, middle);
        QCOMPARE(ListRows(), Rows192);
        QCOMPARE(header->logicalIndex(column), column);
    }
    QVERIFY(!header->isSortIndicatorShown());
}

void MainWindowTest::firstCellOnlyIsEditableAndSelectable() {
    Calculate("192.168.1.10");
    const QAbstractItemModel* model = Window->ListView->model();
    QVERIFY(model->flags(model->index(2, 0)) & Qt::ItemIsEditable);
    QVERIFY(model->flags(model->index(2, 0)) & Qt::ItemIsSelectable);
    for (int column = 1; column < model->columnCount(); ++column) {
        QVERIFY(!(model->flags(model->index(2, column)) & Qt::ItemIsEditable));
        QVERIFY(!(model->flags(model->index(2, column)) & Qt::ItemIsSelectable));
    }

    // Clicking a row selects its first cell only, one row at a time.
    QTreeView* list = Window->ListView;
    for (const int row : {2, 5}) {
        const QRect cell = list->visualRect(model->index(row, 0));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, cell.center());
    }
    const QModelIndexList selected = list->selectionModel()->selectedIndexes();
    QCOMPARE(selected.size(), 1);
    QCOMPARE(selected.front(), model->index(5, 0));

    // F2 edits the first cell in place; the edit changes only what the row shows.
    QTest::keyClick(list, Qt::Key_F2);
    auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    QVERIFY(editor);
    editor->selectAll();
    QTest::keyClicks(editor, "note");
    QTest::keyClick(editor, Qt::Key_Tab);
    QTRY_COMPARE(model->index(5, 0).data().toString(), "note");
    Calculate("192.168.1.10");
    QCOMPARE(ListRows(), Rows192);
}

void MainWindowTest::minimiseAndRestoreKeepRows() {
    Calculate("192.168.1.10");
    Window->showMinimized();
    QTest::qWait(100);
    Window->showNormal();
    QVERIFY(QTest::qWaitForWindowExposed(Window));
    QCOMPARE(ListRows(), Rows192);
    QCOMPARE(Window->IpaddressEdit->text(), "192.168.1.10");
}

void MainWindowTest::windowIsFixedAndCentred() {
    QCOMPARE(QFontMetrics(Window->font()).height(), 13);
    QCOMPARE(Window->size(), QSize(815, 483));
    QCOMPARE(Window->minimumSize(), QSize(815, 483));
    QCOMPARE(Window->maximumSize(), QSize(815, 483));

    const Qt::WindowFlags flags = Window->windowFlags();
    QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));
    QVERIFY(flags & Qt::WindowMinimizeButtonHint);
    QVERIFY(flags & Qt::WindowCloseButtonHint);
    QVERIFY(flags & Qt::WindowSystemMenuHint);

    const QPoint screenCentre = Window->screen()->availableGeometry().center();
    const QPoint windowCentre = Window->frameGeometry().center();
    QVERIFY2((screenCentre - windowCentre).manhattanLength() <= 2,
             qPrintable(QStringLiteral("window centre %1,%2, screen centre %3,%4")
                            .arg(windowCentre.x())
                            .arg(windowCentre.y())
                            .arg(screenCentre.x())
                            .arg(screenCentre.y())));
}

void MainWindowTest::componentsHaveDesignGeometry_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("geometry");
    QTest::newRow("ListView") << "ListView" << QRect(0, 89, 815, 287);
    QTest::newRow("Panel1") << "Panel1" << QRect(0, 376, 815, 107);
    QTest::newRow("WebBrowser") << "WebBrowser" << QRect(2, 2, 811, 103);
    QTest::newRow("IpaddressEdit") << "IpaddressEdit" << QRect(424, 38, 157, 21);
    QTest::newRow("BitBtn1") << "BitBtn1" << QRect(584, 36, 75, 25);
    QTest::newRow("Image1") << "Image1" << QRect(0, 0, 815, 89);
}

void MainWindowTest::componentsHaveDesignGeometry() {
    QFETCH(QString, name);
    QFETCH(QRect, geometry);
    auto* widget = Window->findChild<QWidget*>(name);
    QVERIFY(widget);
    QCOMPARE(widget->geometry(), geometry);
}

void MainWindowTest::listHasDesignColumns() {
    const QStringList captions = {"IP Qty.", "Start IP", "End IP", "Subnet Mask", "Brocase IP"};
    const QList<int> widths = {100, 120, 120, 120, 120};
    QHeaderView* header = Window->ListView->header();
    const QAbstractItemModel* model = Window->ListView->model();
    QCOMPARE(header->count(), captions.size());
    for (int column = 0; column < captions.size(); ++column) {
        QCOMPARE(model->headerData(column, Qt::Horizontal).toString(), captions[column]);
        QCOMPARE(header->sectionSize(column), widths[column]);
        const QVariant picture = model->headerData(column, Qt::Horizontal, Qt::DecorationRole);
        QCOMPARE(picture.isNull(), column != 0);
    }
    QVERIFY(!header->sectionsMovable());
    QVERIFY(!header->sectionsClickable());
    QCOMPARE(header->sectionResizeMode(1), QHeaderView::Interactive);
}

void MainWindowTest::captionsAndColours() {
    QCOMPARE(Window->windowTitle(), "Sorvan IP Subnet Calc");
    QCOMPARE(Window->BitBtn1->text(), "Start");
    QVERIFY(Window->BitBtn1->isDefault());
    QCOMPARE(Window->BitBtn1->iconSize(), QSize(18, 18));
    QVERIFY(!Window->BitBtn1->icon().isNull());
    QCOMPARE(Window->StaticText1->text(), "IP Address:");
    QCOMPARE(Window->StaticText1->pos(), QPoint(340, 40));
    QCOMPARE(Window->StaticText1->height(), 17);
    QVERIFY(Window->StaticText1->geometry().right() < Window->IpaddressEdit->x());

    const QColor navy(0, 0, 128);
    QCOMPARE(Window->BitBtn1->palette().color(QPalette::ButtonText), navy);
    QCOMPARE(Window->StaticText1->palette().color(QPalette::WindowText), navy);
    QCOMPARE(Window->Image1->pixmap().size(), QSize(400, 88));
    QCOMPARE(Window->ImageList1.size(), 5);
    for (const QIcon& picture : Window->ImageList1) {
        QCOMPARE(picture.availableSizes().value(0), QSize(16, 16));
    }
    QVERIFY(Window->IpaddressEdit->text().isEmpty());
    QCOMPARE(Window->IpaddressEdit->maxLength(), std::numeric_limits<int>::max());
}

void MainWindowTest::firstFocusAndTabOrder() {
    QCOMPARE(QApplication::focusWidget(), Window->ListView);
    QSignalSpy loaded(Window->WebBrowser, &QWebEngineView::loadFinished);
    QVERIFY(loaded.wait(10000) || loaded.size() > 0);

    auto inPane = [this] {
        QWidget* focus = QApplication::focusWidget();
        return focus && (focus == Window->WebBrowser || Window->WebBrowser->isAncestorOf(focus));
    };
    auto press = [](Qt::KeyboardModifiers modifiers) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, modifiers);
    };

    press(Qt::NoModifier);
    QTRY_VERIFY(inPane());
    press(Qt::NoModifier);
    QTRY_COMPARE(QApplication::focusWidget(), Window->IpaddressEdit);
    press(Qt::NoModifier);
    QTRY_COMPARE(QApplication::focusWidget(), Window->BitBtn1);
    press(Qt::NoModifier);
    QTRY_COMPARE(QApplication::focusWidget(), Window->ListView);

    press(Qt::ShiftModifier);
    QTRY_COMPARE(QApplication::focusWidget(), Window->BitBtn1);
    press(Qt::ShiftModifier);
    QTRY_COMPARE(QApplication::focusWidget(), Window->IpaddressEdit);
    press(Qt::ShiftModifier);
    QTRY_VERIFY(inPane());
    press(Qt::ShiftModifier);
    QTRY_COMPARE(QApplication::focusWidget(), Window->ListView);
}

void MainWindowTest::controlsAreAccessible() {
    Calculate("192.168.1.10");
    QAccessibleInterface* window = QAccessible::queryAccessibleInterface(Window);
    QCOMPARE(window->role(), QAccessible::Window);
    QCOMPARE(window->text(QAccessible::Name), "Sorvan IP Subnet Calc");

    QAccessibleInterface* edit = QAccessible::queryAccessibleInterface(Window->IpaddressEdit);
    QVERIFY(edit);
    QCOMPARE(edit->text(QAccessible::Name), Window->StaticText1->text());
    QCOMPARE(edit->text(QAccessible::Value), "192.168.1.10");

    QAccessibleInterface* button = QAccessible::queryAccessibleInterface(Window->BitBtn1);
    QCOMPARE(button->role(), QAccessible::Button);
    QCOMPARE(button->text(QAccessible::Name), "Start");

    QAccessibleInterface* list = QAccessible::queryAccessibleInterface(Window->ListView);
    QAccessibleTableInterface* table = list ? list->tableInterface() : nullptr;
    QVERIFY(table);
    QCOMPARE(table->columnCount(), 5);
    QTRY_COMPARE(table->rowCount(), 9);
    const QStringList captions = {"IP Qty.", "Start IP", "End IP", "Subnet Mask", "Brocase IP"};
    for (int column = 0; column < 5; ++column) {
        QCOMPARE(table->columnDescription(column), captions[column]);
    }
    for (int row = 0; row < 9; ++row) {
        for (int column = 0; column < 5; ++column) {
            QAccessibleInterface* cell = table->cellAt(row, column);
            QVERIFY(cell);
            QCOMPARE(cell->text(QAccessible::Name), Rows192[row][column]);
        }
    }
}

void MainWindowTest::closingFreesTheWindow() {
    QVERIFY(Window->close());
    QTRY_VERIFY(Window.isNull());
    // With no window left on screen the application's event loop ends by itself.
    QVERIFY(QGuiApplication::quitOnLastWindowClosed());
    for (const QWindow* window : QGuiApplication::topLevelWindows()) {
        QVERIFY2(!window->isVisible(), qPrintable(window->objectName()));
    }
}

void MainWindowTest::calculationDoesNotWaitForPane() {
    QVERIFY(!Window->WebBrowser->isVisible());
    Calculate("192.168.1.10");
    QCOMPARE(ListRows(), Rows192);
    QVERIFY(!Window->WebBrowser->isVisible());
    QCOMPARE(Server->CountOf("GET /show.php"), 0);
}

void MainWindowTest::paneStartsWhenUserPauses() {
    // Typing with short pauses holds the engine's start off ...
    QElapsedTimer typing;
    typing.start();
    Window->IpaddressEdit->setFocus();
    while (typing.elapsed() < 800) {
        QTest::keyClick(Window->IpaddressEdit, Qt::Key_1);
        QTest::qWait(60);
        QVERIFY(!Window->WebBrowser->isVisible());
    }
    // ... and a pause lets it start.
    WaitForPane();
    QTRY_COMPARE_WITH_TIMEOUT(Server->CountOf("GET /show.php"), 1, 10000);
}

void MainWindowTest::windowIsNotRecreatedWhenPaneStarts() {
    const WId before = Window->winId();
    const QWindow* handle = Window->windowHandle();
    QSignalSpy loaded(Window->WebBrowser, &QWebEngineView::loadFinished);
    QTRY_VERIFY_WITH_TIMEOUT(loaded.size() > 0, 10000);
    QCOMPARE(Window->windowHandle(), handle);
    QCOMPARE(Window->winId(), before);
}

void MainWindowTest::startPageIsRequestedOnce() {
    QSignalSpy loaded(Window->WebBrowser, &QWebEngineView::loadFinished);
    QTRY_COMPARE_WITH_TIMEOUT(Server->CountOf("GET /show.php"), 1, 10000);
    QTRY_VERIFY_WITH_TIMEOUT(loaded.size() > 0, 10000);
    QCOMPARE(loaded.front().front().toBool(), true);
    QTest::qWait(300);
    QCOMPARE(Server->CountOf("GET /show.php"), 1);
    QCOMPARE(Window->WebBrowser->url(), Server->Url("/show.php"));
}

void MainWindowTest::paneUsesPrivateProfile() {
    WaitForPane();
    QWebEngineProfile* profile = Window->WebBrowser->page()->profile();
    QVERIFY(profile->isOffTheRecord());
    QVERIFY(profile != QWebEngineProfile::defaultProfile());
    QCOMPARE(profile->persistentCookiesPolicy(), QWebEngineProfile::NoPersistentCookies);
    QCOMPARE(profile->httpCacheType(), QWebEngineProfile::MemoryHttpCache);
}

void MainWindowTest::pagePermissionsAreDenied() {
    TPageServer asking("<html><body><script>"
                       "Notification.requestPermission().then(p => { document.title = p; });"
                       "</script></body></html>");
    WaitForPane();
    Window->WebBrowser->load(asking.Url("/ask.html"));
    QTRY_COMPARE_WITH_TIMEOUT(Window->WebBrowser->title(), "denied", 10000);
}

void MainWindowTest::downloadsAreRefused() {
    TPageServer file("0123456789", "application/octet-stream");
    WaitForPane();
    QWebEngineProfile* profile = Window->WebBrowser->page()->profile();
    std::optional<QWebEngineDownloadRequest::DownloadState> stateAfterWindow;
    connect(profile, &QWebEngineProfile::downloadRequested, this,
            [&](QWebEngineDownloadRequest* download) { stateAfterWindow = download->state(); });
    Window->WebBrowser->load(file.Url("/file.bin"));
    QTRY_VERIFY_WITH_TIMEOUT(stateAfterWindow.has_value(), 10000);
    QCOMPARE(*stateAfterWindow, QWebEngineDownloadRequest::DownloadCancelled);
}

int main(int argc, char** argv) {
    PrepareBrowserServices();
    TApplication application(argc, argv);
    MainWindowTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "MainWindowTest.moc"
