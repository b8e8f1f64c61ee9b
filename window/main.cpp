#include <QApplication>

#include "BoiteMessage.h"
#include "FrmMain.h"
#include "Programme.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    TraduitTextesQt();
    InstalleBoiteErreur();
    FrmMain frmMain;
    frmMain.show();
    return QApplication::exec();
}
