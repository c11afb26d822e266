// The start-up benchmark's yardstick: the calculator's widgets in the same places, filled the
// same way on Enter, with no browser pane and no Qt WebEngine linked.
#include "calc/SubnetTable.h"

#include <QApplication>
#include <QFrame>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStandardItemModel>
#include <QTreeView>

namespace {

void FillList(QStandardItemModel& model, const calc::TSubnetRows& rows) {
    model.removeRows(0, model.rowCount());
    for (const calc::TSubnetRow& row : rows) {
        QList<QStandardItem*> items;
        for (const std::string* text :
             {&row.IpQty, &row.StartIp, &row.EndIp, &row.SubnetMask, &row.BroadcastIp}) {
            items.append(new QStandardItem(QString::fromStdString(*text)));
        }
        model.appendRow(items);
    }
}

} // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QWidget window;
    window.setWindowTitle("Sorvan IP Subnet Calc");
    QFont font("AR PL UMing TW");
    font.setPixelSize(13);
    window.setFont(font);
    window.setFixedSize(815, 483);

    QLabel banner(&window);
    banner.setPixmap(QPixmap(BANNER_PATH));
    banner.setGeometry(0, 0, 815, 89);
    QLabel caption("IP Address:", &window);
    caption.move(340, 40);
    QLineEdit address(&window);
    address.setGeometry(424, 38, 157, 21);
    QPushButton start("Start", &window);
    start.setGeometry(584, 36, 75, 25);

    QStandardItemModel model(0, 5);
    model.setHorizontalHeaderLabels({"IP Qty.", "Start IP", "End IP", "Subnet Mask", "Brocase IP"});
    QTreeView list(&window);
    list.setModel(&model);
    list.setRootIsDecorated(false);
    list.setGeometry(0, 89, 815, 287);
    for (int column = 0; column < 5; ++column) {
        list.header()->resizeSection(column, column == 0 ? 100 : 120);
    }
    QFrame panel(&window);
    panel.setFrameStyle(QFrame::Panel | QFrame::Raised);
    panel.setGeometry(0, 376, 815, 107);

    auto calculate = [&] {
        if (const auto rows = calc::BuildSubnetRows(address.text().toStdString())) {
            FillList(model, *rows);
        }
    };
    QObject::connect(&address, &QLineEdit::returnPressed, calculate);
    QObject::connect(&start, &QPushButton::clicked, calculate);

    window.show();
    return application.exec();
}
